#include "toolkit/Edit.h"

#include "toolkit/Application.h"
#include "toolkit/Forms.h"
#include "toolkit/ScopedValue.h"
#include "toolkit/SysUtils.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

const TTypeInfo& BorderStyleType() {
  static const TTypeInfo info = TTypeInfo::Enumeration("TBorderStyle", {"bsNone", "bsSingle"});
  return info;
}

const TTypeInfo& ScrollStyleType() {
  static const TTypeInfo info =
      TTypeInfo::Enumeration("TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"});
  return info;
}

namespace {
void PublishEditCommon(TClassInfo& c) {
  TControl::PublishStandard(c, {TControl::kPlacing, TControl::kLook, TControl::kTabbing, "Visible", TControl::kClicks,
                                TControl::kFocusEvents, TControl::kKeyEvents, TControl::kMouseEvents});
}
}  // namespace

// ---- TCustomEdit ----

const TClassInfo& TCustomEdit::StaticClass() {
  static const TClassInfo info("TCustomEdit", &TWinControl::StaticClass());
  return info;
}

void TCustomEdit::SetReadOnly(bool v) { m_readOnly = v; }

void TCustomEdit::SelectAll() {
  if (auto* line = dynamic_cast<QLineEdit*>(Widget())) line->selectAll();
  if (auto* text = dynamic_cast<QPlainTextEdit*>(Widget())) text->selectAll();
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomEdit::SyncColor() { ApplyPalette(QPalette::Base, false); }

// ---- TEdit ----

const TClassInfo& TEdit::StaticClass() {
  static const TClassInfo info("TEdit", &TCustomEdit::StaticClass(), [](TClassInfo& c) {
    Publisher<TEdit>(c).Creatable();
    PublishEditCommon(c);
    PublishStandard(c, {"Text"});
    Publisher<TEdit>(c)
        .Prop("MaxLength", Types::Integer(), &TEdit::MaxLength, &TEdit::SetMaxLength)
        .Prop("ReadOnly", Types::Boolean(), &TEdit::ReadOnly, &TEdit::SetReadOnly)
        .Prop("OnChange", Types::Method(), &TEdit::GetOnChange, &TEdit::SetOnChange);
  });
  return info;
}

TEdit::TEdit(TComponent* owner) : TCustomEdit(owner) {
  auto* line = new QLineEdit;
  QObject::connect(line, &QLineEdit::textChanged, [this](const QString& text) {
    if (text == m_text) return;
    m_text = text;
    Application().Guard([this] { Change(); });
  });
  AttachWidget(line);
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 121, 21);
}

QLineEdit* TEdit::LineEdit() const { return static_cast<QLineEdit*>(Widget()); }

void TEdit::TextChanged() {
  if (LineEdit()->text() != m_text) {
    LineEdit()->setText(m_text);
  }
  // Setting the text counts as a change, as typing does.
  Change();
}

void TEdit::SetReadOnly(bool v) {
  TCustomEdit::SetReadOnly(v);
  LineEdit()->setReadOnly(v);
}

void TEdit::SetMaxLength(int v) {
  TCustomEdit::SetMaxLength(v);
  LineEdit()->setMaxLength(v > 0 ? v : 32767);
}

void TEdit::SetPasswordChar(QChar c) {
  m_passwordChar = c;
  LineEdit()->setEchoMode(c.isNull() ? QLineEdit::Normal : QLineEdit::Password);
}

// ---- TMemoStrings ----

int TMemoStrings::Count() const { return static_cast<int>(LineSpans(m_memo.GetText()).size()); }

QString TMemoStrings::Get(int index) const {
  const QString text = m_memo.GetText();
  const auto spans = LineSpans(text);
  if (index < 0 || index >= spans.size()) Error(QStringLiteral("List index out of bounds (%d)"), index);
  return text.mid(spans[index].Start, spans[index].Length);
}

void TMemoStrings::Put(int index, const QString& value) {
  QString text = m_memo.GetText();
  const auto spans = LineSpans(text);
  if (index < 0 || index >= spans.size()) Error(QStringLiteral("List index out of bounds (%d)"), index);
  text.replace(spans[index].Start, spans[index].Length, value);
  m_memo.SetText(text);
}

void TMemoStrings::Insert(int index, const QString& value) {
  QString text = m_memo.GetText();
  const auto spans = LineSpans(text);
  if (index < 0 || index > spans.size()) Error(QStringLiteral("List index out of bounds (%d)"), index);
  if (index == spans.size()) {
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')) && !text.endsWith(QLatin1Char('\r')))
      text += QLatin1String("\r\n");
    text += value + QLatin1String("\r\n");
  } else {
    text.insert(spans[index].Start, value + QLatin1String("\r\n"));
  }
  m_memo.SetText(text);
}

void TMemoStrings::Delete(int index) {
  QString text = m_memo.GetText();
  const auto spans = LineSpans(text);
  if (index < 0 || index >= spans.size()) Error(QStringLiteral("List index out of bounds (%d)"), index);
  const qsizetype end = index + 1 < spans.size() ? spans[index + 1].Start : text.size();
  text.remove(spans[index].Start, end - spans[index].Start);
  m_memo.SetText(text);
}

void TMemoStrings::Clear() { m_memo.SetText(QString()); }

// ---- TMemo ----

const TClassInfo& TMemo::StaticClass() {
  static const TClassInfo info("TMemo", &TCustomEdit::StaticClass(), [](TClassInfo& c) {
    Publisher<TMemo>(c).Creatable();
    PublishEditCommon(c);
    Publisher<TMemo>(c)
        .Prop("Lines", TStrings::StaticClass().TypeInfo(), &TMemo::LinesObject, &TMemo::SetLines)
        .Prop("MaxLength", Types::Integer(), &TMemo::MaxLength, &TMemo::SetMaxLength)
        .Prop("ReadOnly", Types::Boolean(), &TMemo::ReadOnly, &TMemo::SetReadOnly)
        .Prop("ScrollBars", ScrollStyleType(), &TMemo::ScrollBars, &TMemo::SetScrollBars)
        .Prop("WantReturns", Types::Boolean(), &TMemo::WantReturns, &TMemo::SetWantReturns)
        .Prop("WantTabs", Types::Boolean(), &TMemo::WantTabs, &TMemo::SetWantTabs)
        .Prop("WordWrap", Types::Boolean(), &TMemo::WordWrap, &TMemo::SetWordWrap)
        .Prop("OnChange", Types::Method(), &TMemo::GetOnChange, &TMemo::SetOnChange);
  });
  return info;
}

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner), m_lines(std::make_unique<TMemoStrings>(*this)) {
  auto* edit = new QPlainTextEdit;
  edit->setTabChangesFocus(true);
  edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  QObject::connect(edit, &QPlainTextEdit::textChanged, [this, edit] {
    if (m_syncing) return;
    // The widget keeps line feeds; the memo's text has CR LF line breaks.
    QString text = edit->toPlainText();
    text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    if (text == m_text) return;
    m_text = text;
    Application().Guard([this] { Change(); });
  });
  AttachWidget(edit);
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 185, 89);
}

TMemo::~TMemo() = default;

QPlainTextEdit* TMemo::TextEdit() const { return static_cast<QPlainTextEdit*>(Widget()); }

void TMemo::TextChanged() {
  QString shown = m_text;
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  if (TextEdit()->toPlainText() != shown) {
    const TScopedValue syncing(m_syncing, true);
    TextEdit()->setPlainText(shown);
  }
  Change();
}

void TMemo::SetScrollBars(TScrollStyle v) {
  m_scrollBars = v;
  const bool vertical = v == TScrollStyle::ssVertical || v == TScrollStyle::ssBoth;
  const bool horizontal = v == TScrollStyle::ssHorizontal || v == TScrollStyle::ssBoth;
  TextEdit()->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  TextEdit()->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  SetWordWrap(m_wordWrap);
}

void TMemo::SetWordWrap(bool v) {
  m_wordWrap = v;
  const bool horizontal = m_scrollBars == TScrollStyle::ssHorizontal || m_scrollBars == TScrollStyle::ssBoth;
  TextEdit()->setLineWrapMode(v && !horizontal ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::SetWantTabs(bool v) {
  m_wantTabs = v;
  TextEdit()->setTabChangesFocus(!v);
}

void TMemo::SetReadOnly(bool v) {
  TCustomEdit::SetReadOnly(v);
  TextEdit()->setReadOnly(v);
}

bool TMemo::WndProc(TMessage& m) {
  const bool enter = (m.Kind == TMessageKind::KeyDown && m.Key == VK_RETURN) ||
                     (m.Kind == TMessageKind::Char && (m.Char == QLatin1Char('\r') || m.Char == QLatin1Char('\n')));
  if (enter && !m_wantReturns && !m.Shift.Contains(TShiftStateFlag::ssCtrl)) {
    TWinControl::WndProc(m);
    if (m.Kind == TMessageKind::KeyDown)
      if (TCustomForm* form = ParentForm()) form->HandleDialogKey(Qt::Key_Return);
    return true;
  }
  return TWinControl::WndProc(m);
}
