#include "controls/OrqJvExEdit.h"

#include "controls/EdgeDrawing.h"
#include "toolkit/Application.h"
#include "toolkit/ScopedValue.h"
#include "toolkit/StoredBounds.h"
#include "toolkit/SystemLook.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QStyleOptionFrame>

const TTypeInfo& ClipboardCommandsType() {
  static const TTypeInfo element =
      TTypeInfo::Enumeration("TJvClipboardCommand", {"caCopy", "caCut", "caPaste", "caUndo"});
  static const TTypeInfo info = TTypeInfo::Set("TJvClipboardCommands", element);
  return info;
}

// The edit field inside the client area. Its context menu runs the control's
// clipboard commands, so that they obey ClipboardCommands and the control's
// own filtering of pasted text.
class TJvLineEdit : public QLineEdit {
 public:
  explicit TJvLineEdit(TOrqJvExCustomEdit& edit) : m_edit(edit) {}

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override {
    std::unique_ptr<QMenu> menu(createStandardContextMenu());
    const bool changeable = m_edit.CanChangeByClipboard() && !isReadOnly();
    for (QAction* action : menu->actions()) {
      const QString name = action->objectName();
      std::function<void()> command;
      bool allowed = true;
      if (name == QLatin1String("edit-paste")) {
        command = [this] { m_edit.PasteFromClipboard(); };
        allowed = m_edit.CommandAllowed(TClipboardCommand::caPaste) && changeable;
      } else if (name == QLatin1String("edit-cut")) {
        command = [this] { m_edit.CutToClipboard(); };
        allowed = m_edit.CommandAllowed(TClipboardCommand::caCut) && changeable && hasSelectedText();
      } else if (name == QLatin1String("edit-copy")) {
        allowed = m_edit.CommandAllowed(TClipboardCommand::caCopy) && hasSelectedText();
      } else if (name == QLatin1String("edit-undo") || name == QLatin1String("edit-redo")) {
        allowed = m_edit.CommandAllowed(TClipboardCommand::caUndo) && action->isEnabled();
      } else {
        continue;
      }
      action->setEnabled(allowed);
      if (command) {
        action->disconnect();
        QObject::connect(action, &QAction::triggered, action, [command] { Application().Guard(command); });
      }
    }
    menu->exec(event->globalPos());
  }

 private:
  TOrqJvExCustomEdit& m_edit;
};

// ---- TOrqJvExCustomEdit ----

const TClassInfo& TOrqJvExCustomEdit::StaticClass() {
  static const TClassInfo info("TOrqJvExCustomEdit", &TCustomEdit::StaticClass());
  return info;
}

TOrqJvExCustomEdit::TOrqJvExCustomEdit(TComponent* owner)
    : TCustomEdit(owner), m_signals(std::make_unique<QObject>()) {
  auto* frame = new TPaintWidget([this](QPainter& painter, const QRect&) {
    TCanvas canvas(&painter);
    PrepareControlCanvas(canvas, *this);
    PaintFrame(canvas);
  });
  m_client = new TPaintWidget([this](QPainter& painter, const QRect& clip) {
    TCanvas canvas(&painter);
    canvas.Brush().SetColor(Widget()->isEnabled() ? Color() : m_disabledColor);
    canvas.FillRect(clip);
  });
  frame->setFocusPolicy(Qt::StrongFocus);
  m_client->setParent(frame);
  m_lineEdit = new TJvLineEdit(*this);
  m_lineEdit->setParent(m_client);
  m_lineEdit->setFrame(false);
  m_lineEdit->setAttribute(Qt::WA_MacShowFocusRect, false);
  frame->setFocusProxy(m_lineEdit);
  m_client->setFocusProxy(m_lineEdit);
  QObject::connect(m_lineEdit, &QLineEdit::textChanged, m_signals.get(), [this](const QString& text) {
    if (m_syncing || text == m_text) return;
    m_text = text;
    m_modified = true;
    Application().Guard([this] { Change(); });
  });
  AttachWidget(frame);
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 121, 21);
  UpdateLayout();
}

TOrqJvExCustomEdit::~TOrqJvExCustomEdit() = default;

QWidget* TOrqJvExCustomEdit::ClientWidget() const { return m_client; }

int TOrqJvExCustomEdit::BorderWidth() const {
  if (m_borderStyle == TBorderStyle::bsNone) return 0;
  return m_ctl3D ? 2 : 1;
}

QRect TOrqJvExCustomEdit::ClientRect() const {
  const int b = BorderWidth();
  return QRect(b, b, std::max(0, Width() - 2 * b), std::max(0, Height() - 2 * b));
}

QRect TOrqJvExCustomEdit::AdjustClientRect(const QRect& rect) const { return QRect(QPoint(0, 0), rect.size()); }

int TOrqJvExCustomEdit::AutoHeight() const {
  return FontTextHeight(const_cast<TOrqJvExCustomEdit*>(this)->Font()) + (m_ctl3D ? 8 : 6) * BorderHeight();
}

void TOrqJvExCustomEdit::SetBounds(int left, int top, int width, int height) {
  if (!KeepsStoredBounds(*this)) height = std::max(height, MinHeight());
  TCustomEdit::SetBounds(left, top, width, height);
}

void TOrqJvExCustomEdit::BoundsChanged(bool sizeChanged) {
  TCustomEdit::BoundsChanged(sizeChanged);
  if (sizeChanged) UpdateLayout();
}

void TOrqJvExCustomEdit::FontChanged() {
  TCustomEdit::FontChanged();
  if (KeepsStoredBounds(*this)) {
    UpdateLayout();
    return;
  }
  const int height = m_autoSize ? AutoHeight() : std::max(Height(), MinHeight());
  if (height != Height()) SetHeight(height);
  else UpdateLayout();
}

void TOrqJvExCustomEdit::Loaded() {
  TCustomEdit::Loaded();
  UpdateLayout();
}

void TOrqJvExCustomEdit::UpdateLayout() {
  if (!m_client) return;
  m_client->setGeometry(ClientRect());
  SetTextRect(QRect(QPoint(0, 0), ClientRect().size()));
}

void TOrqJvExCustomEdit::SetTextRect(const QRect& rect) {
  m_textRect = rect;
  m_lineEdit->setGeometry(rect.left(), rect.top(), std::max(0, rect.width()), std::max(0, rect.height()));
}

void TOrqJvExCustomEdit::SetBorderStyle(TBorderStyle value) {
  if (value == m_borderStyle) return;
  m_borderStyle = value;
  UpdateLayout();
  RepaintFrame();
}

void TOrqJvExCustomEdit::SetCtl3D(bool value) {
  if (value == m_ctl3D) return;
  m_ctl3D = value;
  UpdateLayout();
  RepaintFrame();
}

void TOrqJvExCustomEdit::SetAlignment(TAlignment value) {
  m_alignment = value;
  m_lineEdit->setAlignment(value == TAlignment::taRightJustify ? Qt::AlignRight | Qt::AlignVCenter
                           : value == TAlignment::taCenter     ? Qt::AlignHCenter | Qt::AlignVCenter
                                                               : Qt::AlignLeft | Qt::AlignVCenter);
}

void TOrqJvExCustomEdit::SetAutoSize(bool value) {
  m_autoSize = value;
  if (value && !KeepsStoredBounds(*this)) SetHeight(AutoHeight());
}

void TOrqJvExCustomEdit::SetDisabledColor(TColor value) {
  m_disabledColor = value;
  SyncDisabledLook();
}

void TOrqJvExCustomEdit::SetDisabledTextColor(TColor value) {
  m_disabledTextColor = value;
  SyncDisabledLook();
}

void TOrqJvExCustomEdit::SetClipboardCommands(TClipboardCommands value) { m_clipboardCommands = value; }

void TOrqJvExCustomEdit::SetReadOnly(bool value) {
  TCustomEdit::SetReadOnly(value);
  m_lineEdit->setReadOnly(value);
}

void TOrqJvExCustomEdit::SetMaxLength(int value) {
  TCustomEdit::SetMaxLength(value);
  m_lineEdit->setMaxLength(value > 0 ? value : 32767);
}

int TOrqJvExCustomEdit::SelStart() const {
  return m_lineEdit->hasSelectedText() ? m_lineEdit->selectionStart() : m_lineEdit->cursorPosition();
}

void TOrqJvExCustomEdit::SetSelStart(int value) { m_lineEdit->setCursorPosition(value); }

int TOrqJvExCustomEdit::SelLength() const { return m_lineEdit->selectionLength(); }

void TOrqJvExCustomEdit::SetSelLength(int value) { m_lineEdit->setSelection(SelStart(), value); }

void TOrqJvExCustomEdit::SelectAll() { m_lineEdit->selectAll(); }

void TOrqJvExCustomEdit::TextChanged() {
  if (m_lineEdit->text() != m_text) {
    const TScopedValue syncing(m_syncing, true);
    m_lineEdit->setText(m_text);
  }
  Change();
}

void TOrqJvExCustomEdit::SyncColor() {
  SyncDisabledLook();
  RepaintFrame();
}

void TOrqJvExCustomEdit::SyncDisabledLook() {
  if (!m_lineEdit) return;
  QPalette p = m_lineEdit->palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) p.setColor(group, QPalette::Base, ColorToQColor(Color()));
  p.setColor(QPalette::Disabled, QPalette::Base, ColorToQColor(m_disabledColor));
  p.setColor(QPalette::Disabled, QPalette::Text, ColorToQColor(m_disabledTextColor));
  m_lineEdit->setPalette(p);
  m_client->update();
}

void TOrqJvExCustomEdit::SyncFocusPolicy() {
  TCustomEdit::SyncFocusPolicy();
  if (m_lineEdit) m_lineEdit->setFocusPolicy(IsDesigning() ? Qt::NoFocus : Qt::StrongFocus);
}

void TOrqJvExCustomEdit::EnabledChanged() {
  TCustomEdit::EnabledChanged();
  SyncDisabledLook();
  RepaintFrame();
}

void TOrqJvExCustomEdit::RepaintFrame() {
  if (Widget()) Widget()->update();
  if (m_client) m_client->update();
}

void TOrqJvExCustomEdit::PaintFrame(TCanvas& canvas) {
  const QRect all(0, 0, Width(), Height());
  canvas.Brush().SetColor(Widget()->isEnabled() ? Color() : m_disabledColor);
  canvas.FillRect(all);
  if (m_borderStyle == TBorderStyle::bsNone) return;
  if (!m_ctl3D) {
    canvas.Brush().SetColor(clWindowFrame);
    canvas.FrameRect(all);
    return;
  }
  if (ThemesEnabled()) {
    const QImage frame = StylePicture(all.size(), [&](QPainter& painter, QStyle& style) {
      QStyleOptionFrame option;
      option.initFrom(Widget());
      option.rect = QRect(QPoint(0, 0), all.size());
      option.lineWidth = 1;
      option.state |= QStyle::State_Sunken;
      if (Focused()) option.state |= QStyle::State_HasFocus;
      style.drawPrimitive(QStyle::PE_FrameLineEdit, &option, &painter, Widget());
    });
    canvas.Draw(0, 0, frame);
    return;
  }
  DrawEdge3D(canvas, all, false, false);
}

bool TOrqJvExCustomEdit::ClipboardKey(uint16_t key, TShiftState shift) {
  const bool ctrl = shift.Contains(TShiftStateFlag::ssCtrl);
  const bool shiftKey = shift.Contains(TShiftStateFlag::ssShift);
  const bool alt = shift.Contains(TShiftStateFlag::ssAlt);
  if ((ctrl && !shiftKey && key == 'V') || (shiftKey && !ctrl && key == VK_INSERT)) {
    PasteFromClipboard();
    return true;
  }
  if ((ctrl && !shiftKey && key == 'X') || (shiftKey && !ctrl && key == VK_DELETE)) {
    CutToClipboard();
    return true;
  }
  if (ctrl && (key == 'C' || key == VK_INSERT)) return !CommandAllowed(TClipboardCommand::caCopy);
  if ((ctrl && (key == 'Z' || key == 'Y')) || (alt && key == VK_BACK)) return !CommandAllowed(TClipboardCommand::caUndo);
  return false;
}

void TOrqJvExCustomEdit::KeyDown(uint16_t& key, TShiftState shift) {
  TCustomEdit::KeyDown(key, shift);
  if (key != 0 && ClipboardKey(key, shift)) key = 0;
}

void TOrqJvExCustomEdit::CopyToClipboard() {
  if (CommandAllowed(TClipboardCommand::caCopy) && m_lineEdit->hasSelectedText()) m_lineEdit->copy();
}

void TOrqJvExCustomEdit::CutToClipboard() {
  if (!CommandAllowed(TClipboardCommand::caCut) || !CanChangeByClipboard() || m_lineEdit->isReadOnly()) return;
  if (m_lineEdit->hasSelectedText()) m_lineEdit->cut();
}

void TOrqJvExCustomEdit::PasteFromClipboard() {
  if (!CommandAllowed(TClipboardCommand::caPaste) || !CanChangeByClipboard() || m_lineEdit->isReadOnly()) return;
  const QString text = FilterPastedText(QGuiApplication::clipboard()->text());
  if (!text.isEmpty() || m_lineEdit->hasSelectedText()) m_lineEdit->insert(text);
}

void TOrqJvExCustomEdit::Undo() {
  if (CommandAllowed(TClipboardCommand::caUndo) && !m_lineEdit->isReadOnly()) m_lineEdit->undo();
}

void TOrqJvExCustomEdit::DoEnter() {
  // Entered with the keyboard (not by a left press), the whole text is selected.
  if (m_autoSelect && !(QGuiApplication::mouseButtons() & Qt::LeftButton)) SelectAll();
  RepaintFrame();
  TCustomEdit::DoEnter();
}

bool TOrqJvExCustomEdit::WndProc(TMessage& message) {
  switch (message.Kind) {
    case TMessageKind::MouseEnter:
    case TMessageKind::MouseLeave:
      m_hot = message.Kind == TMessageKind::MouseEnter;
      RepaintFrame();
      break;
    case TMessageKind::FocusOut:
      RepaintFrame();
      break;
    default:
      break;
  }
  return TCustomEdit::WndProc(message);
}

// ---- TOrqJvCustomEdit ----

const TClassInfo& TOrqJvCustomEdit::StaticClass() {
  static const TClassInfo info("TOrqJvCustomEdit", &TOrqJvExCustomEdit::StaticClass());
  return info;
}

void TOrqJvCustomEdit::SetHotTrack(bool value) {
  m_hotTrack = value;
  RepaintFrame();
}

void TOrqJvCustomEdit::PaintFrame(TCanvas& canvas) {
  if (!m_hotTrack || Hot() || Focused() || BorderStyle() == TBorderStyle::bsNone || !Ctl3D()) {
    TOrqJvExCustomEdit::PaintFrame(canvas);
    return;
  }
  // At rest a hot-tracking edit shows a flat line in the shadow colour.
  const QRect all(0, 0, Width(), Height());
  canvas.Brush().SetColor(Widget()->isEnabled() ? Color() : DisabledColor());
  canvas.FillRect(all);
  canvas.Brush().SetColor(clBtnShadow);
  canvas.FrameRect(all);
}

// ---- TOrqJvButtonContainer ----

const TClassInfo& TOrqJvButtonContainer::StaticClass() {
  static const TClassInfo info("TOrqJvButtonContainer", &TCustomControl::StaticClass());
  return info;
}

TOrqJvButtonContainer::TOrqJvButtonContainer(TComponent* owner) : TCustomControl(owner) {
  Widget()->setFocusPolicy(Qt::NoFocus);
  SetParentColor(true);
}
