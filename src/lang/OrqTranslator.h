// The translator: applies a language/GUI file to live forms and frames. It
// keeps the whole file as lines; a form takes the section named after its
// component name, a frame the sections named after its class and each
// ancestor class below TFrame (its own class first, so an ancestor's values
// win). Each key line of a section is a dotted property path from the form
// or frame to one published property, and its value is assigned by the
// property's type kind. Lines that cannot be applied are skipped; with
// ShowErrors each one is reported in a message box.
#pragma once

#include "toolkit/Component.h"
#include "toolkit/Strings.h"

class IIndexedList;
class TCustomForm;
class TFrame;

#include <functional>
#include <memory>

// Where a property path leads: an object and one of its properties. Either
// may be absent, and then the line does nothing.
struct TPropertyTarget {
  TObject* Instance = nullptr;
  const TPropInfo* Prop = nullptr;
  // A list line (string, tree node, list-view row) took the value on the way.
  bool Stored = false;
};

// What became of one line of a section.
enum class TLineOutcome {
  Applied,        // a value was stored
  LayoutSkipped,  // a layout property while layout loading is off
  NoProperty,     // the last segment names no property of the object
  NotSettable,    // the property's kind cannot be set from a file
  NothingHeld,    // an intermediate property holds no object, or index -1
  Failed,         // an error: reported with ShowErrors
};

struct TLineReport {
  int LineIndex = 0;  // in FileLines
  QString Path;
  QString Value;
  TLineOutcome Outcome = TLineOutcome::Applied;
};

class TOrqTranslator : public TComponent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TOrqTranslator(TComponent* owner);
  ~TOrqTranslator() override;

  // The lines of the last file loaded; nullptr until the first load.
  TStringList* FileLines() const { return m_fileLines.get(); }
  // Report each line that fails in a message box; off at creation.
  bool ShowErrors() const { return m_showErrors; }
  void SetShowErrors(bool value) { m_showErrors = value; }
  // Assign the layout properties Left, Top, Height, Width, Anchors and
  // Visible; on at creation.
  bool LoadGUI() const { return m_loadGUI; }
  void SetLoadGUI(bool value) { m_loadGUI = value; }

  // Replaces the lines by those of the file (encoding per TextEncoding.h;
  // lines end with CR LF, LF or CR). A file that cannot be read changes
  // nothing and is not reported.
  void LoadLanguageFile(const QString& fileName);
  // Applies the section "[" + the form's name + "]".
  void TranslateForm(TCustomForm* form);
  // Applies the sections of the frame's class and its ancestors below TFrame.
  void TranslateFrame(TFrame* frame);

  // Applies one key line to the root; errors are reported (with ShowErrors,
  // through the application's message boxes) and go no further.
  // Applies one key line; a line without "=" does nothing (and reports nothing).
  void TranslateLine(const QString& line, TComponent* root);
  // Told of every key line a section applies, with its outcome (for checks of
  // language files).
  std::function<void(const TLineReport&)> OnLine;
  // Resolves a path from a component. Owned components come before
  // properties; collections, string lists, list-view items and tree nodes
  // are entered by an index in brackets. For list-view items, tree nodes and
  // string lists the value is stored on the way and the result is empty.
  // Raises when a component or intermediate property is missing or an index
  // is out of range.
  TPropertyTarget FindComponentProperty(TComponent* component, const QString& path, const QString& value);
  // Resolves a path from an object that is not a component; a component
  // met on the way continues with FindComponentProperty.
  TPropertyTarget FindObjectProperty(TObject* object, const QString& path, const QString& value);
  // The integer between the first "[" and the first "]", or -1 when either
  // bracket is missing; EConvertError when the text there is not a number.
  static int ExtractIndex(const QString& text);
  // Stores the value by the property's kind (PropText's Numbers form):
  // integers, enumerations and sets as numbers, short and long strings as
  // text, anything else not at all.
  void AssignValue(TObject* instance, const TPropInfo* prop, const QString& value);

 private:
  void TranslateSection(const QString& sectionName, TComponent* root);
  // Continues a path into a list: collections, string lists, list-view rows
  // and tree nodes.
  TPropertyTarget EnterList(IIndexedList& list, const QString& path, const QString& value);
  // Applies a key line and tells what became of it.
  TLineOutcome ApplyLine(const QString& path, const QString& value, TComponent* root);

  std::unique_ptr<TStringList> m_fileLines;
  bool m_showErrors = false;
  bool m_loadGUI = true;
};

// The program's one translator, created at start with no owner.
extern TOrqTranslator* Translator;
