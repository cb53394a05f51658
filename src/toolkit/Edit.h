// Text fields: the one-line edit box and the memo with its lines.
#pragma once

#include "toolkit/Strings.h"
#include "toolkit/WinControl.h"

class QLineEdit;
class QPlainTextEdit;

enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
enum class TBorderStyle { bsNone, bsSingle };
const TTypeInfo& BorderStyleType();

class TCustomEdit : public TWinControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TCustomEdit(TComponent* owner) : TWinControl(owner) {}

  bool ReadOnly() const { return m_readOnly; }
  virtual void SetReadOnly(bool v);
  int MaxLength() const { return m_maxLength; }
  virtual void SetMaxLength(int v) { m_maxLength = v; }
  void SelectAll();

  TNotifyEvent OnChange;
  TNotifyEvent GetOnChange() const { return OnChange; }
  void SetOnChange(TNotifyEvent e) { OnChange = std::move(e); }

 protected:
  // Fires OnChange; the text changed (typed or set).
  virtual void Change();
  void SyncColor() override;

 private:
  bool m_readOnly = false;
  int m_maxLength = 0;
};

class TEdit : public TCustomEdit {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TEdit(TComponent* owner);

  void SetReadOnly(bool v) override;
  void SetMaxLength(int v) override;
  QChar PasswordChar() const { return m_passwordChar; }
  void SetPasswordChar(QChar c);
  QLineEdit* LineEdit() const;

 protected:
  void TextChanged() override;

 private:
  QChar m_passwordChar;
};

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
const TTypeInfo& ScrollStyleType();

class TMemo;

// The lines of a memo, read from and written into the memo's text: a line
// added at the end leaves the text ending in a line break.
class TMemoStrings : public TStrings {
 public:
  explicit TMemoStrings(TMemo& memo) : m_memo(memo) {}
  int Count() const override;
  QString Get(int index) const override;
  void Put(int index, const QString& text) override;
  void Insert(int index, const QString& text) override;
  void Delete(int index) override;
  void Clear() override;

 private:
  TMemo& m_memo;
};

class TMemo : public TCustomEdit {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TMemo(TComponent* owner);
  ~TMemo() override;

  TStrings& Lines() { return *m_lines; }
  TStrings* LinesObject() const { return m_lines.get(); }
  void SetLines(TStrings* v) { m_lines->Assign(v); }
  TScrollStyle ScrollBars() const { return m_scrollBars; }
  void SetScrollBars(TScrollStyle v);
  bool WordWrap() const { return m_wordWrap; }
  void SetWordWrap(bool v);
  // Off: the Enter key inserts no line break and goes to the window (its default button).
  bool WantReturns() const { return m_wantReturns; }
  void SetWantReturns(bool v) { m_wantReturns = v; }
  bool WantTabs() const { return m_wantTabs; }
  void SetWantTabs(bool v);
  void SetReadOnly(bool v) override;
  QPlainTextEdit* TextEdit() const;

 protected:
  void TextChanged() override;
  bool WndProc(TMessage& message) override;

 private:
  std::unique_ptr<TMemoStrings> m_lines;
  TScrollStyle m_scrollBars = TScrollStyle::ssNone;
  bool m_wordWrap = true;
  bool m_wantReturns = true;
  bool m_wantTabs = false;
  bool m_syncing = false;
};
