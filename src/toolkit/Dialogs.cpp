#include "toolkit/Dialogs.h"

#include "toolkit/Application.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>

const TClassInfo& TCommonDialog::StaticClass() {
  static const TClassInfo info("TCommonDialog", &TComponent::StaticClass());
  return info;
}

bool TCommonDialog::Execute() { return Application().Dialogs().ExecuteDialog(*this); }

const TClassInfo& TOpenDialog::StaticClass() {
  static const TClassInfo info("TOpenDialog", &TCommonDialog::StaticClass());
  return info;
}

QStringList TOpenDialog::NameFilters() const {
  const QStringList parts = Filter.split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
    if (!description.contains(QLatin1Char('('))) description += QStringLiteral(" (") + patterns + QLatin1Char(')');
    else description = description.left(description.indexOf(QLatin1Char('('))).trimmed() + QStringLiteral(" (") + patterns + QLatin1Char(')');
    filters << description;
  }
  return filters;
}

bool TOpenDialog::RunNative() {
  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  // Without a title of its own the dialog keeps its default ("Open", "Save As").
  if (!Title.isEmpty()) dialog.setWindowTitle(Title);
  dialog.setAcceptMode(IsSaveDialog() ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  // With "file must exist" only an existing file can be chosen, so a save
  // dialog asks no overwrite question.
  if (Options.Contains(TOpenOption::ofFileMustExist)) {
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
  } else if (!Options.Contains(TOpenOption::ofOverwritePrompt) && IsSaveDialog()) {
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
  }
  if (!InitialDir.isEmpty()) dialog.setDirectory(InitialDir);
  if (!FileName.isEmpty()) dialog.selectFile(FileName);
  const QStringList filters = NameFilters();
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!DefaultExt.isEmpty()) dialog.setDefaultSuffix(DefaultExt);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  FileName = dialog.selectedFiles().first();
  return true;
}

const TClassInfo& TSaveDialog::StaticClass() {
  static const TClassInfo info("TSaveDialog", &TOpenDialog::StaticClass());
  return info;
}

const TClassInfo& TColorDialog::StaticClass() {
  static const TClassInfo info("TColorDialog", &TCommonDialog::StaticClass());
  return info;
}

bool TColorDialog::RunNative() {
  const QColor chosen = QColorDialog::getColor(ColorToQColor(Color));
  if (!chosen.isValid()) return false;
  Color = QColorToColor(chosen);
  return true;
}

const TClassInfo& TFontDialog::StaticClass() {
  static const TClassInfo info("TFontDialog", &TCommonDialog::StaticClass());
  return info;
}

bool TFontDialog::RunNative() {
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, m_font.ToQFont());
  if (!ok) return false;
  m_font.SetName(chosen.family());
  if (chosen.pixelSize() > 0) m_font.SetHeight(-chosen.pixelSize());
  else m_font.SetSize(static_cast<int>(chosen.pointSizeF() + 0.5));
  TFontStyles style;
  if (chosen.bold()) style.Include(TFontStyle::fsBold);
  if (chosen.italic()) style.Include(TFontStyle::fsItalic);
  if (chosen.underline()) style.Include(TFontStyle::fsUnderline);
  if (chosen.strikeOut()) style.Include(TFontStyle::fsStrikeOut);
  m_font.SetStyle(style);
  return true;
}
