// Components for the translator tests: one control class that publishes a
// property of every kind a language file may address, or must pass over.
#pragma once

#include "toolkit/Collection.h"
#include "toolkit/Component.h"
#include "toolkit/Forms.h"
#include "toolkit/Strings.h"

#include <memory>

enum class TSampleAlign { alNone, alTop, alBottom };
enum class TSampleAnchor { akLeft, akTop, akRight, akBottom };
using TSampleAnchors = TSet<TSampleAnchor>;

class TSampleFont : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  QString Name() const { return m_name; }
  void SetName(const QString& v) { m_name = v; }
  int Size() const { return m_size; }
  void SetSize(int v) { m_size = v; }
  // A component reached through a plain object.
  TComponent* Link() const { return m_link; }
  void SetLink(TComponent* v) { m_link = v; }

 private:
  QString m_name = QStringLiteral("MS Sans Serif");
  int m_size = 8;
  TComponent* m_link = nullptr;
};

class TSampleColumn : public TCollectionItem {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TSampleColumn(TCollection* collection) : TCollectionItem(collection) {}
  QString Caption() const { return m_caption; }
  void SetCaption(const QString& v) { m_caption = v; }
  int Width() const { return m_width; }
  void SetWidth(int v) { m_width = v; }

 private:
  QString m_caption;
  int m_width = 50;
};

class TSampleControl : public TComponent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TSampleControl(TComponent* owner, const QString& name = QString());

  QString Caption() const { return m_caption; }
  void SetCaption(const QString& v) { m_caption = v; }
  QString Hint() const { return m_hint; }
  void SetHint(const QString& v) { m_hint = v; }
  QString WideText() const { return m_wideText; }
  void SetWideText(const QString& v) { m_wideText = v; }
  int Left() const { return m_left; }
  void SetLeft(int v) { m_left = v; }
  int Top() const { return m_top; }
  void SetTop(int v) { m_top = v; }
  int Width() const { return m_width; }
  void SetWidth(int v) { m_width = v; }
  int Height() const { return m_height; }
  void SetHeight(int v) { m_height = v; }
  bool Visible() const { return m_visible; }
  void SetVisible(bool v) { m_visible = v; }
  TSampleAnchors Anchors() const { return m_anchors; }
  void SetAnchors(TSampleAnchors v) { m_anchors = v; }
  TSampleAlign Align() const { return m_align; }
  void SetAlign(TSampleAlign v) { m_align = v; }
  float Ratio() const { return m_ratio; }
  void SetRatio(float v) { m_ratio = v; }
  char Letter() const { return m_letter; }
  void SetLetter(char v) { m_letter = v; }
  int64_t Huge() const { return m_huge; }
  void SetHuge(int64_t v) { m_huge = v; }
  int Version() const { return 7; }
  TSampleFont* Font() const { return m_font.get(); }
  void SetFont(TSampleFont* v) { m_font->SetName(v ? v->Name() : QString()); }
  TStringList* Lines() const { return m_lines.get(); }
  void SetLines(TStringList* v) { m_lines->Assign(v); }
  TCollection* Columns() const { return m_columns.get(); }
  void SetColumns(TCollection*) {}
  TComponent* Buddy() const { return m_buddy; }
  void SetBuddy(TComponent* v) { m_buddy = v; }

 private:
  QString m_caption = QStringLiteral("caption");
  QString m_hint = QStringLiteral("hint");
  QString m_wideText = QStringLiteral("wide");
  int m_left = 1;
  int m_top = 2;
  int m_width = 30;
  int m_height = 40;
  bool m_visible = true;
  TSampleAnchors m_anchors{TSampleAnchor::akLeft, TSampleAnchor::akTop};
  TSampleAlign m_align = TSampleAlign::alNone;
  float m_ratio = 0.5f;
  char m_letter = 'A';
  int64_t m_huge = 0;
  std::unique_ptr<TSampleFont> m_font = std::make_unique<TSampleFont>();
  std::unique_ptr<TStringList> m_lines = std::make_unique<TStringList>(QStringList{"one", "two", "three"});
  std::unique_ptr<TCollection> m_columns;
  TComponent* m_buddy = nullptr;
};

// A frame class and a class derived from it, each with its own section.
class TSampleFrame : public TFrame {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TSampleFrame(TComponent* owner) : TFrame(owner) {}
};

class TSampleSubFrame : public TSampleFrame {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TSampleSubFrame(TComponent* owner) : TSampleFrame(owner) {}
};

// Every published value of a component and of everything it owns, one
// "Name.Property=value" line each (nested objects and list items included),
// so a test can tell exactly what a translation changed.
QStringList Snapshot(const TComponent& root);
