#include "prefs/JvSimpleXmlElem.h"

namespace {

bool IsAttributeNameChar(QChar c) {
  const char16_t u = c.unicode();
  return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' || u == '-';
}

[[noreturn]] void PropertyCharError(QChar c) {
  throw TJvSimpleXmlInvalid(QStringLiteral("Invalid XML Element: Unexpected character in properties declaration (") +
                            c + QStringLiteral(" found)."));
}

std::unique_ptr<TStringListEx> NewNameList(bool ownsObjects) {
  auto list = std::make_unique<TStringListEx>();
  list->SetOwnsObjects(ownsObjects);
  return list;
}

// Reads the "?" and ">" that close an instruction; `what` names it in the
// messages ("Header", "Stylesheet").
void ExpectInstructionEnd(TJvSimpleXmlSource& source, const QString& what) {
  for (const QChar expected : {QLatin1Char('?'), QLatin1Char('>')}) {
    source.Next();
    if (source.AtEnd())
      throw TJvSimpleXmlInvalid(QStringLiteral("Invalid ") + what + QStringLiteral(": Unexpected end of data"));
    if (source.Current() != expected)
      throw TJvSimpleXmlInvalid(QStringLiteral("Invalid ") + what + QStringLiteral(": Expected ") + expected +
                                QStringLiteral(" Found ") + source.Current());
  }
}

// Takes everything after `open` up to `close` as the element's value.
QString DelimitedText(TJvSimpleXmlSource& source, QLatin1StringView open, QLatin1StringView close,
                      const char* endMessage) {
  const qsizetype start = source.Pos() + open.size();
  const qsizetype end = source.Text().indexOf(close, start);
  if (end < 0) throw TJvSimpleXmlInvalid(QString::fromLatin1(endMessage));
  source.SetPos(end + close.size() - 1);
  return source.Text().mid(start, end - start);
}
}  // namespace

// ---- TJvSimpleXmlProp ----

const TClassInfo& TJvSimpleXmlProp::StaticClass() {
  static const TClassInfo info("TJvSimpleXmlProp", &TObject::StaticClass());
  return info;
}

TJvSimpleXmlProp::TJvSimpleXmlProp(TJvSimpleXmlProps* parent, const QString& name, const QString& value)
    : m_parent(parent), m_name(name), m_value(value) {}

// ---- TJvSimpleXmlProps ----

const TClassInfo& TJvSimpleXmlProps::StaticClass() {
  static const TClassInfo info("TJvSimpleXmlProps", &TObject::StaticClass());
  return info;
}

TJvSimpleXmlProps::~TJvSimpleXmlProps() = default;

TStringListEx& TJvSimpleXmlProps::List() {
  if (!m_list) m_list = NewNameList(true);
  return *m_list;
}

int TJvSimpleXmlProps::Count() const { return m_list ? m_list->Count() : 0; }

TJvSimpleXmlProp* TJvSimpleXmlProps::Item(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return static_cast<TJvSimpleXmlProp*>(m_list->GetObject(index));
}

TJvSimpleXmlProp* TJvSimpleXmlProps::Find(const QString& name) const {
  if (!m_list) return nullptr;
  return Item(m_list->IndexOfText(name));
}

TJvSimpleXmlProp* TJvSimpleXmlProps::Add(const QString& name, const QString& value) {
  auto* prop = new TJvSimpleXmlProp(this, name, value);
  List().AddObject(name, prop);
  return prop;
}

void TJvSimpleXmlProps::Delete(int index) {
  if (index >= 0 && index < Count()) m_list->Delete(index);
}

void TJvSimpleXmlProps::Delete(const QString& name) {
  if (m_list) Delete(m_list->IndexOfText(name));
}

void TJvSimpleXmlProps::Clear() {
  if (m_list) m_list->Clear();
}

QString TJvSimpleXmlProps::ReadText(const QString& name, const QString& fallback) const {
  const TJvSimpleXmlProp* prop = Find(name);
  return prop ? prop->Value() : fallback;
}

int64_t TJvSimpleXmlProps::ReadInteger(const QString& name, int64_t fallback) const {
  const TJvSimpleXmlProp* prop = Find(name);
  if (!prop) return fallback;
  return StrToIntDef(prop->Value(), static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(fallback))));
}

bool TJvSimpleXmlProps::ReadBool(const QString& name, bool fallback) const {
  const TJvSimpleXmlProp* prop = Find(name);
  if (!prop || prop->Value().isEmpty()) return fallback;
  const QString& value = prop->Value();
  double number = 0;
  if (TryStrToFloat(value, number)) return number != 0;
  return SameText(value, QStringLiteral("True"));
}

void TJvSimpleXmlProps::Parse(TJvSimpleXmlSource& source) {
  enum class State { Between, Name, AfterEquals } state = State::Between;
  const QString& text = source.Text();
  qsizetype nameStart = 0;
  QString name;
  QString nameSpace;
  while (!source.AtEnd()) {
    const QChar c = source.Current();
    switch (state) {
      case State::Between:
        if (IsXmlBlank(c)) break;
        if (IsAttributeNameChar(c)) {
          nameStart = source.Pos();
          nameSpace.clear();
          state = State::Name;
          break;
        }
        if (c == QLatin1Char('/') || c == QLatin1Char('>') || c == QLatin1Char('?')) {
          source.Back();
          return;
        }
        PropertyCharError(c);
      case State::Name:
        if (IsAttributeNameChar(c)) break;
        if (c == QLatin1Char(':')) {
          nameSpace = text.mid(nameStart, source.Pos() - nameStart);
          nameStart = source.Pos() + 1;
        } else if (c == QLatin1Char('=')) {
          name = text.mid(nameStart, source.Pos() - nameStart);
          state = State::AfterEquals;
        } else {
          PropertyCharError(c);
        }
        break;
      case State::AfterEquals: {
        if (c != QLatin1Char('"') && c != QLatin1Char('\''))
          throw TJvSimpleXmlInvalid(
              QStringLiteral("Invalid XML Element: Unexpected character in property declaration. Expecting \" or ' but ") +
              c + QStringLiteral(" found."));
        const qsizetype close = text.indexOf(c, source.Pos() + 1);
        if (close < 0) {
          // The text ends inside the value: the attribute is incomplete.
          source.SetPos(source.Length());
          return;
        }
        const QString value = text.mid(source.Pos() + 1, close - source.Pos() - 1);
        Add(name, SimpleXmlDecodeEntities(value))->SetNamespace(nameSpace);
        source.SetPos(close);
        state = State::Between;
        break;
      }
    }
    source.Next();
  }
}

// ---- TJvSimpleXmlElems ----

const TClassInfo& TJvSimpleXmlElems::StaticClass() {
  static const TClassInfo info("TJvSimpleXmlElems", &TObject::StaticClass());
  return info;
}

TJvSimpleXmlElems::~TJvSimpleXmlElems() = default;

TStringListEx& TJvSimpleXmlElems::List() {
  if (!m_list) m_list = NewNameList(true);
  return *m_list;
}

int TJvSimpleXmlElems::Count() const { return m_list ? m_list->Count() : 0; }

TJvSimpleXmlElem* TJvSimpleXmlElems::Item(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return static_cast<TJvSimpleXmlElem*>(m_list->GetObject(index));
}

TJvSimpleXmlElem* TJvSimpleXmlElems::Find(const QString& name) const {
  if (!m_list) return nullptr;
  return Item(m_list->IndexOfText(name));
}

void TJvSimpleXmlElems::Append(std::unique_ptr<TJvSimpleXmlElem> element) {
  const QString name = element->Name();
  List().AddObject(name, element.release());
}

TJvSimpleXmlElem* TJvSimpleXmlElems::Add(const QString& name) {
  auto element = std::make_unique<TJvSimpleXmlElemClassic>(m_parent);
  element->SetName(name);
  TJvSimpleXmlElem* added = element.get();
  Append(std::move(element));
  return added;
}

void TJvSimpleXmlElems::Delete(int index) {
  if (index >= 0 && index < Count()) m_list->Delete(index);
}

void TJvSimpleXmlElems::Delete(const QString& name) {
  if (m_list) Delete(m_list->IndexOfText(name));
}

void TJvSimpleXmlElems::Clear() {
  if (m_list) m_list->Clear();
}

int TJvSimpleXmlElems::IndexOf(const TJvSimpleXmlElem* element) const {
  return m_list ? m_list->IndexOfObject(element) : -1;
}

void TJvSimpleXmlElems::Rename(const TJvSimpleXmlElem* element, const QString& name) {
  const int index = IndexOf(element);
  if (index >= 0) m_list->Put(index, name);
}

QString TJvSimpleXmlElems::Parse(TJvSimpleXmlSource& source) {
  qsizetype tagStart = -1;
  while (!source.AtEnd()) {
    const QChar c = source.Current();
    if (tagStart < 0) {
      if (c == QLatin1Char('<')) {
        tagStart = source.Pos();
      } else if (!IsXmlBlank(c)) {
        auto text = std::make_unique<TJvSimpleXmlElemText>(m_parent);
        text->Parse(source);
        Append(std::move(text));
      }
    } else {
      const qsizetype length = source.Pos() - tagStart + 1;
      if (c == QLatin1Char('/') && length == 2) {
        const qsizetype close = source.Text().indexOf(QLatin1Char('>'), source.Pos() + 1);
        if (close < 0) {
          // The text ends inside the end tag: the content never ended.
          source.SetPos(source.Length());
          return QString();
        }
        const QString endTag = source.Text().mid(source.Pos() + 1, close - source.Pos() - 1);
        source.SetPos(close);
        return endTag;
      }
      std::unique_ptr<TJvSimpleXmlElem> element;
      if (c == QLatin1Char(' ') || c == QLatin1Char(':') || c == QLatin1Char('>') || c == QLatin1Char('/')) {
        element = std::make_unique<TJvSimpleXmlElemClassic>(m_parent);
      } else if (length == 9 && QStringView(source.Text()).sliced(tagStart, 9) == QLatin1String("<![CDATA[")) {
        element = std::make_unique<TJvSimpleXmlElemCData>(m_parent);
      } else if (length == 4 && QStringView(source.Text()).sliced(tagStart, 4) == QLatin1String("<!--")) {
        element = std::make_unique<TJvSimpleXmlElemComment>(m_parent);
      }
      if (element) {
        source.SetPos(tagStart);
        element->Parse(source);
        Append(std::move(element));
        tagStart = -1;
      }
    }
    source.Next();
  }
  return QString();
}

// ---- TJvSimpleXmlElem ----

const TClassInfo& TJvSimpleXmlElem::StaticClass() {
  static const TClassInfo info("TJvSimpleXmlElem", &TObject::StaticClass());
  return info;
}

TJvSimpleXmlElem::~TJvSimpleXmlElem() = default;

void TJvSimpleXmlElem::SetName(const QString& name) {
  if (name.isEmpty() || name == m_name) return;
  if (m_parent && !m_name.isEmpty()) m_parent->Children().Rename(this, name);
  m_name = name;
}

TJvSimpleXmlElems& TJvSimpleXmlElem::Children() {
  if (!m_children) m_children = std::make_unique<TJvSimpleXmlElems>(this);
  return *m_children;
}

TJvSimpleXmlProps& TJvSimpleXmlElem::Props() {
  if (!m_props) m_props = std::make_unique<TJvSimpleXmlProps>(this);
  return *m_props;
}

void TJvSimpleXmlElem::Clear() {
  if (m_children) m_children->Clear();
  if (m_props) m_props->Clear();
}

// ---- TJvSimpleXmlElemClassic ----

const TClassInfo& TJvSimpleXmlElemClassic::StaticClass() {
  static const TClassInfo info("TJvSimpleXmlElemClassic", &TJvSimpleXmlElem::StaticClass());
  return info;
}

void TJvSimpleXmlElemClassic::Parse(TJvSimpleXmlSource& source) {
  const auto depth = source.EnterElement();
  enum class State { ExpectTag, Name, AfterSlash } state = State::ExpectTag;
  const QString& text = source.Text();
  // The name is taken in runs of characters; attributes may interrupt it.
  QString collected;
  qsizetype runStart = 0;
  bool started = false;
  auto takeRun = [&](qsizetype end) {
    if (end > runStart) collected += text.mid(runStart, end - runStart);
  };
  while (!source.AtEnd()) {
    const QChar c = source.Current();
    switch (state) {
      case State::ExpectTag:
        if (c != QLatin1Char('<'))
          throw TJvSimpleXmlInvalid(QStringLiteral("Invalid XML Element: Expected beginning of tag but ") + c +
                                    QStringLiteral(" found."));
        state = State::Name;
        runStart = source.Pos() + 1;
        break;
      case State::Name:
        if (IsXmlBlank(c)) {
          if (!started) throw TJvSimpleXmlInvalid(QStringLiteral("Invalid XML Element: Malformed tag found (no valid name)"));
          takeRun(source.Pos());
          Props().Parse(source);
          runStart = source.Pos() + 1;
        } else if (c == QLatin1Char(':')) {
          takeRun(source.Pos());
          SetNamespace(collected);
          collected.clear();
          started = true;
          runStart = source.Pos() + 1;
        } else if (c == QLatin1Char('/')) {
          takeRun(source.Pos());
          AssignName(collected);
          state = State::AfterSlash;
        } else if (c == QLatin1Char('>')) {
          takeRun(source.Pos());
          AssignName(collected);
          source.Next();
          const QString endTag = Children().Parse(source);
          // The end tag carries the namespace prefix as the start tag did.
          const QString expected = Namespace().isEmpty() ? Name() : Namespace() + QLatin1Char(':') + Name();
          if (endTag != expected)
            throw TJvSimpleXmlInvalid(QStringLiteral("Invalid XML Element: Erroneous end of tag, expecting </") +
                                      expected + QStringLiteral("> but </") + endTag + QStringLiteral("> found."));
          if (Children().Count() == 1) {
            if (const auto* child = dynamic_cast<const TJvSimpleXmlElemText*>(Children().Item(0))) {
              SetValue(child->Value());
              Children().Delete(0);
            }
          }
          return;
        } else {
          started = true;
        }
        break;
      case State::AfterSlash:
        if (c != QLatin1Char('>'))
          throw TJvSimpleXmlInvalid(QStringLiteral("Invalid XML Element: Expected end of tag but ") + c +
                                    QStringLiteral(" found."));
        return;
    }
    source.Next();
  }
  // The text ended inside the start tag: the element keeps what it has.
  if (state == State::Name) {
    takeRun(source.Length());
    AssignName(collected);
  }
}

// ---- TJvSimpleXmlElemText ----

const TClassInfo& TJvSimpleXmlElemText::StaticClass() {
  static const TClassInfo info("TJvSimpleXmlElemText", &TJvSimpleXmlElem::StaticClass());
  return info;
}

void TJvSimpleXmlElemText::Parse(TJvSimpleXmlSource& source) {
  qsizetype end = source.Text().indexOf(QLatin1Char('<'), source.Pos());
  if (end < 0) end = source.Length();
  SetValue(SimpleXmlDecodeEntities(source.Text().mid(source.Pos(), end - source.Pos())));
  source.SetPos(end - 1);
}

// ---- TJvSimpleXmlElemComment ----

const TClassInfo& TJvSimpleXmlElemComment::StaticClass() {
  static const TClassInfo info("TJvSimpleXmlElemComment", &TJvSimpleXmlElem::StaticClass());
  return info;
}

void TJvSimpleXmlElemComment::Parse(TJvSimpleXmlSource& source) {
  SetValue(DelimitedText(source, QLatin1StringView("<!--"), QLatin1StringView("-->"),
                         "Invalid Comment: Unexpected end of data"));
}

// ---- TJvSimpleXmlElemCData ----

const TClassInfo& TJvSimpleXmlElemCData::StaticClass() {
  static const TClassInfo info("TJvSimpleXmlElemCData", &TJvSimpleXmlElem::StaticClass());
  return info;
}

void TJvSimpleXmlElemCData::Parse(TJvSimpleXmlSource& source) {
  SetValue(DelimitedText(source, QLatin1StringView("<![CDATA["), QLatin1StringView("]]>"),
                         "Invalid CDATA: Unexpected end of data"));
}

// ---- TJvSimpleXmlElemDocType ----

const TClassInfo& TJvSimpleXmlElemDocType::StaticClass() {
  static const TClassInfo info("TJvSimpleXmlElemDocType", &TJvSimpleXmlElem::StaticClass());
  return info;
}

TJvSimpleXmlElemDocType::TJvSimpleXmlElemDocType(TJvSimpleXmlElem* parent) : TJvSimpleXmlElem(parent) {
  AssignName(QStringLiteral("DOCTYPE"));
}

void TJvSimpleXmlElemDocType::Parse(TJvSimpleXmlSource& source) {
  const qsizetype start = source.Pos() + 9;  // after "<!DOCTYPE"
  const QString& text = source.Text();
  bool inSubset = false;
  for (qsizetype i = start; i < source.Length(); ++i) {
    const QChar c = text.at(i);
    if (c == QLatin1Char('[')) {
      inSubset = true;
    } else if (c == QLatin1Char(']')) {
      inSubset = false;
    } else if (c == QLatin1Char('>') && !inSubset) {
      SetValue(Trim(text.mid(start, i - start)));
      source.SetPos(i);
      return;
    }
  }
  throw TJvSimpleXmlInvalid(QStringLiteral("Invalid DocType: Unexpected end of data"));
}

// ---- TJvSimpleXmlElemSheet ----

const TClassInfo& TJvSimpleXmlElemSheet::StaticClass() {
  static const TClassInfo info("TJvSimpleXmlElemSheet", &TJvSimpleXmlElem::StaticClass());
  return info;
}

TJvSimpleXmlElemSheet::TJvSimpleXmlElemSheet(TJvSimpleXmlElem* parent) : TJvSimpleXmlElem(parent) {
  AssignName(QStringLiteral("xml-stylesheet"));
}

void TJvSimpleXmlElemSheet::Parse(TJvSimpleXmlSource& source) {
  source.SetPos(source.Pos() + 16);  // after "<?xml-stylesheet"
  Props().Parse(source);
  ExpectInstructionEnd(source, QStringLiteral("Stylesheet"));
}

// ---- TJvSimpleXmlElemHeader ----

const TClassInfo& TJvSimpleXmlElemHeader::StaticClass() {
  static const TClassInfo info("TJvSimpleXmlElemHeader", &TJvSimpleXmlElem::StaticClass());
  return info;
}

TJvSimpleXmlElemHeader::TJvSimpleXmlElemHeader(TJvSimpleXmlElem* parent) : TJvSimpleXmlElem(parent) {
  AssignName(QStringLiteral("xml"));
}

void TJvSimpleXmlElemHeader::Parse(TJvSimpleXmlSource& source) {
  source.SetPos(source.Pos() + 5);  // on the blank after "<?xml"
  TJvSimpleXmlProps& props = Props();
  props.Parse(source);
  m_version = props.ReadText(QStringLiteral("version"), QString());
  m_encoding = props.ReadText(QStringLiteral("encoding"), QString());
  m_standAlone = props.ReadText(QStringLiteral("standalone"), QString()) == QLatin1String("yes");
  props.Clear();
  ExpectInstructionEnd(source, QStringLiteral("Header"));
}

// ---- TJvSimpleXmlElemsProlog ----

const TClassInfo& TJvSimpleXmlElemsProlog::StaticClass() {
  static const TClassInfo info("TJvSimpleXmlElemsProlog", &TObject::StaticClass());
  return info;
}

TJvSimpleXmlElemsProlog::TJvSimpleXmlElemsProlog() : m_items(nullptr) {}

TJvSimpleXmlElemsProlog::~TJvSimpleXmlElemsProlog() = default;

TJvSimpleXmlElem* TJvSimpleXmlElemsProlog::Item(int index) const { return m_items.Item(index); }

TJvSimpleXmlElem* TJvSimpleXmlElemsProlog::Find(const QString& name) const { return m_items.Find(name); }

void TJvSimpleXmlElemsProlog::Parse(TJvSimpleXmlSource& source) {
  const QString& text = source.Text();
  // Longest mark that names a prolog element: "<?xml-stylesheet".
  constexpr qsizetype kLongestMark = 16;
  while (!source.AtEnd()) {
    const QChar c = source.Current();
    if (IsXmlBlank(c)) {
      source.Next();
      continue;
    }
    if (c != QLatin1Char('<'))
      throw TJvSimpleXmlInvalid(QStringLiteral("Invalid Document: Unexpected text in file prolog."));
    const qsizetype start = source.Pos();
    std::unique_ptr<TJvSimpleXmlElem> element;
    for (qsizetype i = start + 1; i < source.Length() && i - start < kLongestMark; ++i) {
      const QStringView collected = QStringView(text).sliced(start, i - start + 1);
      if (collected == QLatin1String("<![CDATA[")) return;  // the root starts here
      if (collected == QLatin1String("<!--")) element = std::make_unique<TJvSimpleXmlElemComment>(nullptr);
      else if (collected == QLatin1String("<?xml-stylesheet")) element = std::make_unique<TJvSimpleXmlElemSheet>(nullptr);
      else if (collected == QLatin1String("<?xml ")) element = std::make_unique<TJvSimpleXmlElemHeader>(nullptr);
      else if (collected == QLatin1String("<!DOCTYPE")) element = std::make_unique<TJvSimpleXmlElemDocType>(nullptr);
      else if (text.at(start + 1) != QLatin1Char('!') && text.at(start + 1) != QLatin1Char('?')) return;
      if (element) break;
    }
    if (!element) {
      // An instruction or declaration of no known kind: nothing after it can
      // start the root.
      source.SetPos(source.Length());
      return;
    }
    element->Parse(source);
    m_items.Append(std::move(element));
    source.Next();
  }
}
