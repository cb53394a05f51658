// The editors of graphic and screen-related properties: colours, cursors,
// font character sets, font names, input method names, fonts, pen and brush
// styles, and string lists. Most refine a standard editor with a list of
// named values, list entries they draw themselves, or a dialog. A dialog
// writes only when the user confirms it and every object of the row is still
// there.
#pragma once

#include "inspector/ELStdPropEditors.h"

// A colour: its name ("clBtnFace") or "$" and eight hexadecimal digits of
// the value ("$00FF8040"); typed back either way. The list shows the named
// colours in table order with a swatch of each; the dialog is the colour
// chooser.
class TELColorPropEditor : public TELIntegerPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELColorPropEditor)
  using TELIntegerPropEditor::TELIntegerPropEditor;
  TELPropEditorAttributes GetAttributes() override;
  QString GetValue() override;
  void GetValues(QStringList& values) override;
  // A colour name in any letter case, or an integer text within the range.
  void SetValue(const QString& value) override;
  void Edit() override;
  void ListMeasureHeight(const QString& value, TCanvas& canvas, int& height) override;
  void ListMeasureWidth(const QString& value, TCanvas& canvas, int& width) override;
  void ListDrawValue(const QString& value, TCanvas& canvas, const QRect& rect, bool selected) override;
};

// A cursor: its name ("crHandPoint") or its number; the list shows each
// cursor's picture beside its name.
class TELCursorPropEditor : public TELIntegerPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELCursorPropEditor)
  using TELIntegerPropEditor::TELIntegerPropEditor;
  TELPropEditorAttributes GetAttributes() override;
  QString GetValue() override;
  void GetValues(QStringList& values) override;
  void SetValue(const QString& value) override;
  void ListMeasureHeight(const QString& value, TCanvas& canvas, int& height) override;
  void ListMeasureWidth(const QString& value, TCanvas& canvas, int& width) override;
  void ListDrawValue(const QString& value, TCanvas& canvas, const QRect& rect, bool selected) override;
};

// A font's character set: its name ("ANSI_CHARSET") or its number.
class TELFontCharsetPropEditor : public TELIntegerPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELFontCharsetPropEditor)
  using TELIntegerPropEditor::TELIntegerPropEditor;
  TELPropEditorAttributes GetAttributes() override;
  QString GetValue() override;
  void GetValues(QStringList& values) override;
  void SetValue(const QString& value) override;
};

// A font name, offered from the installed fonts; any text is written.
class TELFontNamePropEditor : public TELStringPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELFontNamePropEditor)
  using TELStringPropEditor::TELStringPropEditor;
  TELPropEditorAttributes GetAttributes() override;
  void GetValues(QStringList& values) override;
};

// An input method name, offered from the installed input methods.
class TELImeNamePropEditor : public TELStringPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELImeNamePropEditor)
  using TELStringPropEditor::TELStringPropEditor;
  TELPropEditorAttributes GetAttributes() override;
  void GetValues(QStringList& values) override;
};

// A font: expands into the font's own properties; the dialog is the font
// chooser, whose font each object copies into its own.
class TELFontPropEditor : public TELClassPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELFontPropEditor)
  using TELClassPropEditor::TELClassPropEditor;
  TELPropEditorAttributes GetAttributes() override;
  void Edit() override;
};

// An enumeration listed with a sample of each value left of its name, as
// wide as two text heights.
class TELStyleSamplePropEditor : public TELEnumPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELStyleSamplePropEditor)
  using TELEnumPropEditor::TELEnumPropEditor;
  TELPropEditorAttributes GetAttributes() override;
  void ListMeasureHeight(const QString& value, TCanvas& canvas, int& height) override;
  void ListMeasureWidth(const QString& value, TCanvas& canvas, int& width) override;
};

// A pen style, listed with a line drawn in each style.
class TELPenStylePropEditor : public TELStyleSamplePropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELPenStylePropEditor)
  using TELStyleSamplePropEditor::TELStyleSamplePropEditor;
  void ListDrawValue(const QString& value, TCanvas& canvas, const QRect& rect, bool selected) override;
};

// A brush style, listed with a square filled in each style.
class TELBrushStylePropEditor : public TELStyleSamplePropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELBrushStylePropEditor)
  using TELStyleSamplePropEditor::TELStyleSamplePropEditor;
  void ListDrawValue(const QString& value, TCanvas& canvas, const QRect& rect, bool selected) override;
};

// A string list: "(TStrings)", edited in the string list dialog, whose lines
// each object copies into its own list.
class TELStringsPropEditor : public TELClassPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELStringsPropEditor)
  using TELClassPropEditor::TELClassPropEditor;
  TELPropEditorAttributes GetAttributes() override;
  void Edit() override;
};
