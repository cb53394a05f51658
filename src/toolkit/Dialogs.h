// Common dialogs: the save dialog, the colour chooser and the font chooser.
// Execute goes through the application's dialog service.
#pragma once

#include "toolkit/Graphics.h"

#include <QStringList>

class TCommonDialog : public TComponent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TCommonDialog(TComponent* owner) : TComponent(owner) {}

  // True when the user confirmed; the dialog's properties hold the choice.
  bool Execute();
  // Shows the dialog's own Qt window (the real dialog service calls this).
  virtual bool RunNative() = 0;
};

enum class TOpenOption { ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate,
                         ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist,
                         ofCreatePrompt, ofShareAware, ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton,
                         ofNoLongNames, ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify,
                         ofEnableSizing };
using TOpenOptions = TSet<TOpenOption>;

// The file dialog: InitialDir, Filter ("Description|*.ext|..."), Options and
// the chosen FileName.
class TOpenDialog : public TCommonDialog {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TOpenDialog(TComponent* owner) : TCommonDialog(owner) {}

  QString FileName;
  QString InitialDir;
  QString Filter;
  QString DefaultExt;
  QString Title;
  TOpenOptions Options{TOpenOption::ofHideReadOnly, TOpenOption::ofEnableSizing};

  // The Qt name filters of Filter ("Description (*.ext)").
  QStringList NameFilters() const;
  bool RunNative() override;

 protected:
  virtual bool IsSaveDialog() const { return false; }
};

class TSaveDialog : public TOpenDialog {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TSaveDialog(TComponent* owner) : TOpenDialog(owner) {}

 protected:
  bool IsSaveDialog() const override { return true; }
};

class TColorDialog : public TCommonDialog {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TColorDialog(TComponent* owner) : TCommonDialog(owner) {}
  TColor Color = clBlack;
  bool RunNative() override;
};

class TFontDialog : public TCommonDialog {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TFontDialog(TComponent* owner) : TCommonDialog(owner) {}
  TFont& Font() { return m_font; }
  bool RunNative() override;

 private:
  TFont m_font;
};
