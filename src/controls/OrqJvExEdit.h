// The extended edit box that the spin edit and the combo edit build on: a
// one-line edit with its own border, a client area that can hold child
// controls (the buttons at its right end), a formatting rectangle that keeps
// the text clear of them, clipboard commands that can be switched off, a
// Modified flag and a disabled look in colours of its own.
#pragma once

#include "toolkit/Edit.h"

class QLineEdit;
class TPaintWidget;

enum class TClipboardCommand { caCopy, caCut, caPaste, caUndo };
using TClipboardCommands = TSet<TClipboardCommand>;
const TTypeInfo& ClipboardCommandsType();

class TOrqJvExCustomEdit : public TCustomEdit {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TOrqJvExCustomEdit(TComponent* owner);
  ~TOrqJvExCustomEdit() override;

  // The bounds as given; a height below MinHeight is raised to it unless the
  // bounds must stay as stored (loading, designing).
  void SetBounds(int left, int top, int width, int height) override;
  // The client area: the control inside its border.
  QRect ClientRect() const override;
  QRect AdjustClientRect(const QRect& rect) const override;
  QWidget* ClientWidget() const override;

  TBorderStyle BorderStyle() const { return m_borderStyle; }
  void SetBorderStyle(TBorderStyle value);
  // A sunken two-pixel border (on) or a flat one-pixel line (off).
  bool Ctl3D() const { return m_ctl3D; }
  void SetCtl3D(bool value);
  TAlignment Alignment() const { return m_alignment; }
  void SetAlignment(TAlignment value);
  // Entering the edit by the keyboard selects the whole text.
  bool AutoSelect() const { return m_autoSelect; }
  void SetAutoSelect(bool value) { m_autoSelect = value; }
  // A font change sets the height to the font's text height plus the border.
  bool AutoSize() const { return m_autoSize; }
  void SetAutoSize(bool value);
  TColor DisabledColor() const { return m_disabledColor; }
  void SetDisabledColor(TColor value);
  TColor DisabledTextColor() const { return m_disabledTextColor; }
  void SetDisabledTextColor(TColor value);
  TClipboardCommands ClipboardCommands() const { return m_clipboardCommands; }
  void SetClipboardCommands(TClipboardCommands value);
  void SetReadOnly(bool value) override;
  void SetMaxLength(int value) override;

  // Set by the user's edits, kept by the program's own text changes.
  bool Modified() const { return m_modified; }
  void SetModified(bool value) { m_modified = value; }
  int SelStart() const;
  void SetSelStart(int value);
  int SelLength() const;
  void SetSelLength(int value);
  void SelectAll();

  // Clipboard commands as the keys and the context menu run them; each does
  // nothing where ClipboardCommands or ReadOnly forbid it.
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  void Undo();

  // The rectangle the text is laid out in, in client coordinates.
  QRect TextRect() const { return m_textRect; }
  // The smallest height the control accepts (0: none).
  virtual int MinHeight() const { return 0; }
  QLineEdit* LineEdit() const { return m_lineEdit; }

 protected:
  void TextChanged() override;
  void BoundsChanged(bool sizeChanged) override;
  void FontChanged() override;
  void SyncColor() override;
  void SyncFocusPolicy() override;
  void EnabledChanged() override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void DoEnter() override;
  bool WndProc(TMessage& message) override;
  void Loaded() override;

  // Places the client area and the text; controls with buttons place them
  // here too, then call SetTextRect.
  virtual void UpdateLayout();
  void SetTextRect(const QRect& rect);
  // Border width on each side: 2 for a 3-D single border, 1 for a flat one, 0 without.
  int BorderWidth() const;
  // The height AutoSize gives: the text height plus 8 (3-D) or 6 (flat) border heights.
  int AutoHeight() const;
  // Draws the border around the client area.
  virtual void PaintFrame(TCanvas& canvas);
  // Whether pasting and cutting may change the text, and what of a pasted
  // text is kept.
  virtual bool CanChangeByClipboard() const { return !ReadOnly(); }
  virtual QString FilterPastedText(const QString& text) const { return text; }
  bool CommandAllowed(TClipboardCommand command) const { return m_clipboardCommands.Contains(command); }
  // Whether the pointer is over the control.
  bool Hot() const { return m_hot; }
  void RepaintFrame();

 private:
  friend class TJvLineEdit;
  bool ClipboardKey(uint16_t key, TShiftState shift);
  void SyncDisabledLook();

  std::unique_ptr<QObject> m_signals;
  TPaintWidget* m_client = nullptr;
  QLineEdit* m_lineEdit = nullptr;
  QRect m_textRect;
  TBorderStyle m_borderStyle = TBorderStyle::bsSingle;
  bool m_ctl3D = true;
  TAlignment m_alignment = TAlignment::taLeftJustify;
  bool m_autoSelect = true;
  bool m_autoSize = true;
  TColor m_disabledColor = clWindow;
  TColor m_disabledTextColor = clGrayText;
  TClipboardCommands m_clipboardCommands{TClipboardCommand::caCopy, TClipboardCommand::caCut,
                                         TClipboardCommand::caPaste, TClipboardCommand::caUndo};
  bool m_modified = false;
  bool m_syncing = false;
  bool m_hot = false;
};

// The extended edit of the spin edit: with HotTrack the border is drawn flat
// until the pointer is over the control or it has the focus.
class TOrqJvCustomEdit : public TOrqJvExCustomEdit {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TOrqJvCustomEdit(TComponent* owner) : TOrqJvExCustomEdit(owner) {}

  bool HotTrack() const { return m_hotTrack; }
  void SetHotTrack(bool value);

 protected:
  void PaintFrame(TCanvas& canvas) override;

 private:
  bool m_hotTrack = false;
};

// The container of an edit's button: a child control of the edit in the
// edit's colour.
class TOrqJvButtonContainer : public TCustomControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TOrqJvButtonContainer(TComponent* owner);
  bool AcceptsControls() const override { return true; }
};
