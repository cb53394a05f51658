#include "inspector/ELGraphicPropEditors.h"

#include "inspector/ELStringsEdit.h"
#include "toolkit/Canvas.h"
#include "toolkit/Cursors.h"
#include "toolkit/Dialogs.h"
#include "toolkit/PropText.h"
#include "toolkit/Screen.h"
#include "toolkit/Strings.h"

#include <algorithm>

VORNIK_DEFINE_PROP_EDITOR(TELColorPropEditor, TELIntegerPropEditor)
VORNIK_DEFINE_PROP_EDITOR(TELCursorPropEditor, TELIntegerPropEditor)
VORNIK_DEFINE_PROP_EDITOR(TELFontCharsetPropEditor, TELIntegerPropEditor)
VORNIK_DEFINE_PROP_EDITOR(TELFontNamePropEditor, TELStringPropEditor)
VORNIK_DEFINE_PROP_EDITOR(TELImeNamePropEditor, TELStringPropEditor)
VORNIK_DEFINE_PROP_EDITOR(TELFontPropEditor, TELClassPropEditor)
VORNIK_DEFINE_PROP_EDITOR(TELStyleSamplePropEditor, TELEnumPropEditor)
VORNIK_DEFINE_PROP_EDITOR(TELPenStylePropEditor, TELStyleSamplePropEditor)
VORNIK_DEFINE_PROP_EDITOR(TELBrushStylePropEditor, TELStyleSamplePropEditor)
VORNIK_DEFINE_PROP_EDITOR(TELStringsPropEditor, TELClassPropEditor)

using A = TELPropEditorAttribute;

namespace {

// The value a list entry stands for: its name, else the text as a number.
int32_t NamedOrNumber(const QString& text, TIdentMap map) {
  if (const std::optional<int32_t> value = IdentToInt(text, map)) return *value;
  int32_t number = 0;
  return TryStrToInt(text, number) ? number : 0;
}

// A name from the map is written as its value; other text as an integer.
bool SetByName(TELPropEditor& editor, const QString& text, TIdentMap map) {
  const std::optional<int32_t> value = IdentToInt(text, map);
  if (value) editor.SetOrdValue(*value);
  return value.has_value();
}

void AddNames(QStringList& values, TIdentMap map) {
  for (const TIdentMapEntry& entry : map) values << QString::fromLatin1(entry.Name);
}

int SampleHeight(TCanvas& canvas) { return canvas.TextHeight(QStringLiteral("Wg")); }

// The entry's text right of a sample that ends at `left`.
void DrawEntryText(TCanvas& canvas, const QRect& rect, int left, const QString& text) {
  canvas.TextRect(QRect(QPoint(left, rect.top()), QPoint(rect.right(), rect.bottom())), left + 1, rect.top() + 1,
                  text);
}

}  // namespace

// ---- colours ----

TELPropEditorAttributes TELColorPropEditor::GetAttributes() {
  return {A::eaValueList, A::eaDialog, A::eaMultiSelect, A::eaOwnerDrawValues};
}

QString TELColorPropEditor::GetValue() {
  const auto color = static_cast<int32_t>(GetOrdValueAt(0));
  if (const std::optional<QString> name = IntToIdent(color, ColorIdents())) return *name;
  return QStringLiteral("$%1").arg(static_cast<uint32_t>(color), 8, 16, QLatin1Char('0')).toUpper();
}

void TELColorPropEditor::GetValues(QStringList& values) { AddNames(values, ColorIdents()); }

void TELColorPropEditor::SetValue(const QString& value) {
  if (!SetByName(*this, value, ColorIdents())) TELIntegerPropEditor::SetValue(value);
}

void TELColorPropEditor::Edit() {
  TColorDialog dialog(nullptr);
  dialog.Color = static_cast<TColor>(GetOrdValueAt(0));
  if (dialog.Execute() && AllInstancesPresent()) SetOrdValue(dialog.Color);
}

void TELColorPropEditor::ListMeasureHeight(const QString&, TCanvas& canvas, int& height) {
  height = SampleHeight(canvas) + 2;
}

void TELColorPropEditor::ListMeasureWidth(const QString&, TCanvas& canvas, int& width) {
  width += SampleHeight(canvas);
}

void TELColorPropEditor::ListDrawValue(const QString& value, TCanvas& canvas, const QRect& rect, bool selected) {
  const int left = rect.left();
  const int top = rect.top();
  const int bottom = rect.top() + rect.height();
  const int swatchRight = left + rect.height();
  const TColor penColor = canvas.Pen().Color();
  const TColor brushColor = canvas.Brush().Color();
  // The swatch's place in the background colour first.
  canvas.Pen().SetColor(brushColor);
  canvas.Rectangle(left, top, swatchRight, bottom);
  const TColor color = NamedOrNumber(value, ColorIdents());
  canvas.Brush().SetColor(color);
  // A light colour gets a black frame; a dark one its own, white on the highlight.
  const QColor rgb = ColorToQColor(color);
  if (rgb.red() > 192 || rgb.green() > 192 || rgb.blue() > 192) canvas.Pen().SetColor(clBlack);
  else canvas.Pen().SetColor(selected ? clWhite : color);
  canvas.Rectangle(left + 1, top + 1, swatchRight - 1, bottom - 1);
  canvas.Brush().SetColor(brushColor);
  canvas.Pen().SetColor(penColor);
  DrawEntryText(canvas, rect, swatchRight, value);
}

// ---- cursors ----

namespace {
// crSize, the last name, is only typed: the list offers the others.
constexpr size_t kOfferedCursors = 21;
}  // namespace

TELPropEditorAttributes TELCursorPropEditor::GetAttributes() {
  return {A::eaValueList, A::eaMultiSelect, A::eaSortList, A::eaOwnerDrawValues};
}

QString TELCursorPropEditor::GetValue() {
  const auto cursor = static_cast<int32_t>(GetOrdValueAt(0));
  return IntToIdent(cursor, CursorIdents()).value_or(IntToStr(cursor));
}

void TELCursorPropEditor::GetValues(QStringList& values) {
  AddNames(values, CursorIdents().first(std::min(kOfferedCursors, CursorIdents().size())));
}

void TELCursorPropEditor::SetValue(const QString& value) {
  if (!SetByName(*this, value, CursorIdents())) TELIntegerPropEditor::SetValue(value);
}

void TELCursorPropEditor::ListMeasureHeight(const QString&, TCanvas& canvas, int& height) {
  height = std::max(SampleHeight(canvas), CursorPictureSize().height() + 4);
}

void TELCursorPropEditor::ListMeasureWidth(const QString&, TCanvas&, int& width) {
  width += CursorPictureSize().width() + 4;
}

void TELCursorPropEditor::ListDrawValue(const QString& value, TCanvas& canvas, const QRect& rect, bool) {
  const auto cursor = static_cast<TCursor>(NamedOrNumber(value, CursorIdents()));
  canvas.FillRect(rect);
  const QImage picture = CursorPicture(cursor);
  if (!picture.isNull()) canvas.Draw(rect.left() + 2, rect.top() + 2, picture);
  DrawEntryText(canvas, rect, rect.left() + CursorPictureSize().width() + 4, value);
}

// ---- font character sets, font names, input method names ----

TELPropEditorAttributes TELFontCharsetPropEditor::GetAttributes() {
  return {A::eaValueList, A::eaMultiSelect, A::eaSortList};
}

QString TELFontCharsetPropEditor::GetValue() {
  const int64_t charset = GetOrdValueAt(0);
  return IntToIdent(static_cast<int32_t>(charset & 0xFF), CharsetIdents()).value_or(IntToStr(charset));
}

void TELFontCharsetPropEditor::GetValues(QStringList& values) { AddNames(values, CharsetIdents()); }

void TELFontCharsetPropEditor::SetValue(const QString& value) {
  if (!SetByName(*this, value, CharsetIdents())) TELIntegerPropEditor::SetValue(value);
}

TELPropEditorAttributes TELFontNamePropEditor::GetAttributes() {
  return {A::eaValueList, A::eaMultiSelect, A::eaSortList};
}

void TELFontNamePropEditor::GetValues(QStringList& values) { values << Screen().Fonts(); }

TELPropEditorAttributes TELImeNamePropEditor::GetAttributes() {
  return {A::eaValueList, A::eaMultiSelect, A::eaSortList};
}

void TELImeNamePropEditor::GetValues(QStringList& values) { values << Screen().Imes(); }

// ---- fonts ----

TELPropEditorAttributes TELFontPropEditor::GetAttributes() {
  return {A::eaSubProperties, A::eaDialog, A::eaMultiSelect, A::eaReadOnly};
}

void TELFontPropEditor::Edit() {
  TFontDialog dialog(nullptr);
  if (auto* font = dynamic_cast<TFont*>(GetObjValueAt(0))) dialog.Font().Assign(font);
  // Each object's setter copies the chosen font into its own.
  if (dialog.Execute() && AllInstancesPresent()) SetObjValue(&dialog.Font());
}

// ---- pen and brush styles ----

TELPropEditorAttributes TELStyleSamplePropEditor::GetAttributes() {
  const TELPropEditorAttributes attributes = TELEnumPropEditor::GetAttributes();
  return attributes.Empty() ? attributes : attributes + TELPropEditorAttributes{A::eaOwnerDrawValues};
}

void TELStyleSamplePropEditor::ListMeasureHeight(const QString&, TCanvas& canvas, int& height) {
  height = SampleHeight(canvas) + 2;
}

void TELStyleSamplePropEditor::ListMeasureWidth(const QString&, TCanvas& canvas, int& width) {
  width += 2 * SampleHeight(canvas);
}

void TELPenStylePropEditor::ListDrawValue(const QString& value, TCanvas& canvas, const QRect& rect, bool) {
  const int left = rect.left();
  const int top = rect.top();
  const int bottom = rect.top() + rect.height();
  const int h = rect.height();
  const int sampleRight = left + 2 * h;
  const TColor penColor = canvas.Pen().Color();
  const TColor brushColor = canvas.Brush().Color();
  const TPenStyle penStyle = canvas.Pen().Style();
  canvas.Pen().SetColor(brushColor);
  canvas.Rectangle(left, top, sampleRight, bottom);
  canvas.Pen().SetColor(clWindowText);
  canvas.Brush().SetColor(clWindow);
  canvas.Rectangle(left + 1, top + 1, sampleRight - 1, bottom - 1);
  const std::optional<int64_t> style = EnumFromText(PropTypeInfo(), value);
  canvas.Pen().SetStyle(static_cast<TPenStyle>(style.value_or(0)));
  const int y = top + h / 2;
  canvas.MoveTo(left + 1, y);
  canvas.LineTo(sampleRight - 1, y);
  canvas.MoveTo(left + 1, y + 1);
  canvas.LineTo(sampleRight - 1, y + 1);
  canvas.Brush().SetColor(brushColor);
  canvas.Pen().SetStyle(penStyle);
  canvas.Pen().SetColor(penColor);
  DrawEntryText(canvas, rect, sampleRight, value);
}

void TELBrushStylePropEditor::ListDrawValue(const QString& value, TCanvas& canvas, const QRect& rect, bool) {
  const int left = rect.left();
  const int top = rect.top();
  const int bottom = rect.top() + rect.height();
  const int sampleRight = left + rect.height();
  const TColor penColor = canvas.Pen().Color();
  const TColor brushColor = canvas.Brush().Color();
  const TBrushStyle brushStyle = canvas.Brush().Style();
  canvas.Pen().SetColor(brushColor);
  canvas.Brush().SetColor(clWindow);
  canvas.Rectangle(left, top, sampleRight, bottom);
  canvas.Pen().SetColor(clWindowText);
  const auto style = static_cast<TBrushStyle>(EnumFromText(PropTypeInfo(), value).value_or(0));
  if (style == TBrushStyle::bsClear) {
    canvas.Brush().SetColor(clWindow);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  } else {
    canvas.Brush().SetStyle(style);
    canvas.Brush().SetColor(clWindowText);
  }
  canvas.Rectangle(left + 1, top + 1, sampleRight - 1, bottom - 1);
  canvas.Brush().SetColor(brushColor);
  canvas.Brush().SetStyle(brushStyle);
  canvas.Pen().SetColor(penColor);
  DrawEntryText(canvas, rect, sampleRight, value);
}

// ---- string lists ----

TELPropEditorAttributes TELStringsPropEditor::GetAttributes() {
  return {A::eaDialog, A::eaMultiSelect, A::eaReadOnly};
}

void TELStringsPropEditor::Edit() {
  TELStringsEditorDlg dialog(nullptr);
  if (auto* lines = dynamic_cast<TStrings*>(GetObjValueAt(0))) dialog.SetLines(*lines);
  // Each object's setter copies the lines into its own list.
  if (dialog.Execute() && AllInstancesPresent()) SetObjValue(&dialog.Lines());
}
