// Objects for the inspector's tests: a component that publishes one
// property of every kind the editors handle, a detail object, a component
// whose setter can be made to fail or to free another component, and a
// form that shows an inspector.
#pragma once

#include "inspector/ELPropInsp.h"
#include "inspector/ELPropsPageEdit.h"
#include "toolkit/Forms.h"

#include "support/RecordingDialogs.h"

#include <gtest/gtest.h>

enum class TInspMode { imOff, imOn, imAuto };
enum class TInspSide { isLeft, isTop, isRight, isBottom };
using TInspSides = TSet<TInspSide>;
const TTypeInfo& InspModeType();
const TTypeInfo& InspSidesType();
const TTypeInfo& InspFlagType();

class TInspDetail : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  int Size() const { return m_size; }
  void SetSize(int v) { m_size = v; }
  QString Label() const { return m_label; }
  void SetLabel(const QString& v) { m_label = v; }

 private:
  int m_size = 3;
  QString m_label = QStringLiteral("detail");
};

class TInspected : public TComponent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TInspected(TComponent* owner) : TComponent(owner) {}

  int Count() const { return m_count; }
  void SetCount(int v);
  uint32_t Big() const { return m_big; }
  void SetBig(uint32_t v) { m_big = v; }
  uint8_t Letter() const { return m_letter; }
  void SetLetter(uint8_t v) { m_letter = v; }
  TInspMode Mode() const { return m_mode; }
  void SetMode(TInspMode v) { m_mode = v; }
  bool Enabled() const { return m_enabled; }
  void SetEnabled(bool v) { m_enabled = v; }
  int Flag() const { return m_flag; }
  void SetFlag(int v) { m_flag = v; }
  TInspSides Sides() const { return m_sides; }
  void SetSides(TInspSides v) { m_sides = v; }
  float Ratio() const { return m_ratio; }
  void SetRatio(float v) { m_ratio = v; }
  double Amount() const { return m_amount; }
  void SetAmount(double v) { m_amount = v; }
  double Day() const { return m_day; }
  void SetDay(double v) { m_day = v; }
  int64_t Huge() const { return m_huge; }
  void SetHuge(int64_t v) { m_huge = v; }
  QString Text() const { return m_text; }
  void SetText(const QString& v) { m_text = v; }
  QString Caption() const { return m_caption; }
  void SetCaption(const QString& v) { m_caption = v; }
  TVariant Value() const { return m_value; }
  void SetValue(const TVariant& v) { m_value = v; }
  int Keys() const { return m_keys; }
  void SetKeys(int v) { m_keys = v; }
  int Result() const { return m_result; }
  void SetResult(int v) { m_result = v; }
  int Order() const { return m_order; }
  void SetOrder(int v) { m_order = v; }
  int Color() const { return m_color; }
  void SetColor(int v) { m_color = v; }
  TInspDetail* Detail() const { return m_detail.get(); }
  void SetDetail(TInspDetail* v) { m_detail->SetLabel(v ? v->Label() : QString()); }
  TComponent* Buddy() const { return m_buddy; }
  // The buddy is watched: it leaves when it goes.
  void SetBuddy(TComponent* v);
  TNotifyEvent OnClick() const { return m_onClick; }
  void SetOnClick(TNotifyEvent v) { m_onClick = std::move(v); }
  int Version() const { return 7; }

  // SetCount refuses values above this limit (no limit when negative).
  int countLimit = -1;
  // SetCount frees this component first (none: nothing).
  TComponent* freeOnCount = nullptr;
  int countWrites = 0;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  int m_count = 0;
  uint32_t m_big = 0;
  uint8_t m_letter = 'A';
  TInspMode m_mode = TInspMode::imOff;
  bool m_enabled = true;
  int m_flag = 0;
  TInspSides m_sides{TInspSide::isLeft, TInspSide::isTop};
  float m_ratio = 0;
  double m_amount = 0;
  double m_day = 0;
  int64_t m_huge = 0;
  QString m_text;
  QString m_caption;
  TVariant m_value;
  int m_keys = 0;
  int m_result = 0;
  int m_order = 0;
  int m_color = 0;
  std::unique_ptr<TInspDetail> m_detail = std::make_unique<TInspDetail>();
  TComponent* m_buddy = nullptr;
  TNotifyEvent m_onClick;
};

// Another class with a few of the same names, one of another type.
class TInspOther : public TComponent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TInspOther(TComponent* owner) : TComponent(owner) {}
  int Count() const { return m_count; }
  void SetCount(int v) { m_count = v; }
  QString Mode() const { return m_mode; }
  void SetMode(const QString& v) { m_mode = v; }
  QString Text() const { return m_text; }
  void SetText(const QString& v) { m_text = v; }
  int Version() const { return m_version; }
  void SetVersion(int v) { m_version = v; }

 private:
  int m_count = 0;
  QString m_mode;
  QString m_text;
  int m_version = 0;
};

// A form with an inspector on it, shown offscreen, with recorded dialogs.
class InspectorTest : public ::testing::Test {
 protected:
  InspectorTest();
  ~InspectorTest() override;

  // The row whose caption path is "Name" or "Parent.Child"; fails the test
  // when there is none.
  TELPropertyInspectorItem* Row(const QString& path) const;
  // Whether a top-level row or a sub-row with that caption path exists.
  bool HasRow(const QString& path) const;
  // The captions of the shown rows, in order ("  " per level in front).
  QStringList Captions() const;
  QString Value(const QString& path) const { return Row(path)->DisplayValue(); }
  // Makes the row current and types the text into the editor, then Enter.
  void Type(const QString& path, const QString& text);
  // The messages of the error boxes shown so far.
  QStringList Errors();

  ScopedDialogs dialogs;
  TForm* form = nullptr;
  TELPropertyInspector* inspector = nullptr;
};
