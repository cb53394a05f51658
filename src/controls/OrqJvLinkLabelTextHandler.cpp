#include "controls/OrqJvLinkLabelTextHandler.h"

#include "controls/OrqJvLinkLabelTools.h"

namespace {

// The line without the spaces (and control characters) at its end.
QString WithoutTrailingSpaces(const QString& line) {
  qsizetype end = line.size();
  while (end > 0 && line[end - 1] <= QChar(u' ')) --end;
  return line.left(end);
}

}  // namespace

// ---- TWordEnumerator -------------------------------------------------------

qsizetype TWordEnumerator::WordEnd() const {
  const qsizetype space = m_text.indexOf(u' ', m_pos);
  return space < 0 ? m_text.size() : space + 1;
}

QString TWordEnumerator::LookNext() const {
  if (!MoreWords()) throw ETextHandlerError(QStringLiteral("TWordEnumerator.GetNext: No more words to return"));
  return m_text.mid(m_pos, WordEnd() - m_pos);
}

QString TWordEnumerator::GetNext() {
  QString word = LookNext();
  m_pos += word.size();
  ++m_count;
  return word;
}

// ---- TTextHandler ----------------------------------------------------------

TTextHandler::TTextHandler(const QRect& rect, int x, int y, TCanvas& canvas)
    : m_rect(rect), m_x(x), m_y(y), m_canvas(canvas) {
  const TFontStyles style = canvas.Font().Style();
  canvas.Font().SetStyle({});
  m_lineHeight = canvas.TextHeight(QStringLiteral("fg"));
  canvas.Font().SetStyle(style);
}

void TTextHandler::AddElement(std::unique_ptr<TParentTextElement> element) { m_queue.push_back(std::move(element)); }

void TTextHandler::AddText(TStringNode* node, TFontStyles style, TColor color) {
  if (TStringTools::BeginsWith(node->Text(), QStringLiteral(" "))) EmptyBuffer();
  AddElement(std::make_unique<TStringElement>(node, style, color));
  if (TStringTools::EndsWith(node->Text(), QStringLiteral(" "))) EmptyBuffer();
}

void TTextHandler::LineBreak() {
  AddElement(std::make_unique<TActionElement>(TActionType::atLineBreak));
  EmptyBuffer();
}

void TTextHandler::ParagraphBreak() {
  AddElement(std::make_unique<TActionElement>(TActionType::atParagraphBreak));
  EmptyBuffer();
}

void TTextHandler::WatchStart(IStartingPosObserver* observer, TAreaNode* node) {
  // An area without text never starts; nobody waits for it.
  if (TStringNode* start = FirstTextBelow(node)) m_watchers[start].push_back({observer, node, start});
}

TStringNode* TTextHandler::FirstTextBelow(const TParentNode* node) {
  if (const auto known = m_firstText.find(node); known != m_firstText.end()) return known->second;
  struct Level {
    const TParentNode* node;
    size_t next;
  };
  std::vector<Level> open{{node, 0}};
  TStringNode* found = nullptr;
  while (!open.empty() && !found) {
    Level& level = open.back();
    if (level.next == level.node->Children().size()) {
      m_firstText[level.node] = nullptr;  // searched through: no text below
      open.pop_back();
      continue;
    }
    TNode* child = level.node->Children()[level.next++];
    if (child->InheritsFrom(TStringNode::StaticClass())) {
      found = static_cast<TStringNode*>(child);
    } else if (const auto* parent = dynamic_cast<const TParentNode*>(child)) {
      const auto known = m_firstText.find(parent);
      if (known == m_firstText.end()) open.push_back({parent, 0});
      else found = known->second;
    }
  }
  // Nothing before the text found lies below the nodes still open, so it is
  // the first text below each of them.
  for (const Level& level : open) m_firstText[level.node] = found;
  return found;
}

void TTextHandler::EmptyBuffer() {
  try {
    for (size_t k = 0; k < m_queue.size(); ++k) {
      const TParentTextElement* element = m_queue[k].get();
      if (const auto* action = dynamic_cast<const TActionElement*>(element)) {
        m_x = m_rect.left();
        m_y += action->Action == TActionType::atParagraphBreak ? 2 * m_lineHeight : m_lineHeight;
      } else if (const auto* text = dynamic_cast<const TStringElement*>(element)) {
        LayOutString(k, *text);
      } else {
        throw ETextHandlerError(
            QStringLiteral("TTextHandler.EmptyBuffer: Unsupported TParentTextElement descendant encountered"));
      }
    }
  } catch (...) {
    m_queue.clear();
    throw;
  }
  m_queue.clear();
}

void TTextHandler::NotifyStart(TStringNode* node) {
  // Observers may watch more areas that start here; each hears once.
  const auto waiting = m_watchers.find(node);
  if (waiting == m_watchers.end()) return;
  const TNodeObserverList watchers = std::move(waiting->second);
  m_watchers.erase(waiting);
  for (const TNodeObserver& watcher : watchers) watcher.Observer->StartingPosUpdated(m_x, m_y, watcher.Node);
}

void TTextHandler::PlaceLine(TStringNode* node, const QString& drawn, const QString& line, TColor color) {
  if (color != clNone && !drawn.isEmpty()) m_canvas.TextOut(m_x, m_y, drawn);
  node->AddRect(QRect(m_x, m_y, m_canvas.TextWidth(line), m_lineHeight));
}

void TTextHandler::LayOutString(size_t index, const TStringElement& element) {
  TStringNode* node = element.Node;
  NotifyStart(node);
  m_canvas.Font().SetStyle(element.Style);
  if (element.Color != clNone) m_canvas.Font().SetColor(element.Color);
  QString line;
  int width = 0;
  node->ClearRects();
  TWordEnumerator words(node->Text());
  int number = 0;
  while (words.MoreWords()) {
    const QString word = words.GetNext();
    ++number;
    TWordInfo info;
    if (node->WordInfoCount() > number - 1) {
      info = node->GetWordInfo(number - 1);
    } else {
      info = MeasureWord(word, number, !words.MoreWords(), index, *node);
      node->AddWordInfo(info);
    }
    width += info.Width;
    const int visible = info.EndsWithSpace ? width - info.SpaceWidth : width;
    const bool firstOfText = m_x == m_rect.left() && m_y == m_rect.top() && number == 1;
    const bool continuesWord = node->Joined() && number == 1;
    if (m_x + visible >= Right() && word != QStringLiteral(" ") && !firstOfText && !continuesWord) {
      PlaceLine(node, WithoutTrailingSpaces(line), line, element.Color);
      line.clear();
      m_x = m_rect.left();
      width = info.Width;
      m_y += m_lineHeight;
    } else if (continuesWord && words.MoreWords()) {
      // The cache holds 0 for a word measured with the piece before; the
      // rest of this line starts after it.
      width += m_canvas.TextWidth(word);
    }
    line += word;
  }
  PlaceLine(node, line, line, element.Color);
  m_x += m_canvas.TextWidth(line);
}

TWordInfo TTextHandler::MeasureWord(const QString& word, int number, bool lastWord, size_t index, TStringNode& node) {
  TWordInfo info;
  const bool continuesWord = node.Joined() && number == 1;
  info.Width = continuesWord ? 0 : m_canvas.TextWidth(word);
  info.EndsWithSpace = TStringTools::EndsWith(word, QStringLiteral(" "));
  info.SpaceWidth = m_canvas.TextWidth(QStringLiteral(" "));
  if (!lastWord || continuesWord) return info;
  // The word goes on in the following pieces as long as no space separates them.
  for (size_t j = index + 1; j < m_queue.size(); ++j) {
    const auto* before = dynamic_cast<const TStringElement*>(m_queue[j - 1].get());
    const auto* next = dynamic_cast<const TStringElement*>(m_queue[j].get());
    if (!before || !next || TStringTools::EndsWith(before->Node->Text(), QStringLiteral(" ")) ||
        TStringTools::BeginsWith(next->Node->Text(), QStringLiteral(" ")))
      break;
    TWordEnumerator nextWords(next->Node->Text());
    if (!nextWords.MoreWords()) break;
    const QString first = nextWords.GetNext();
    m_canvas.Font().SetStyle(next->Style);
    info.Width += m_canvas.TextWidth(first);
    next->Node->SetJoined(true);
    if (j == m_queue.size() - 1) {
      info.EndsWithSpace = TStringTools::EndsWith(first, QStringLiteral(" "));
      info.SpaceWidth = m_canvas.TextWidth(QStringLiteral(" "));
    }
    if (nextWords.MoreWords()) break;
  }
  m_canvas.Font().SetStyle(static_cast<const TStringElement*>(m_queue[index].get())->Style);
  return info;
}
