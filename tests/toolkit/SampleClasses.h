// Test classes that publish one property of every kind the system uses.
#pragma once

#include "toolkit/Component.h"
#include "toolkit/PropAccess.h"

enum class TSampleMode { smOff, smOn, smAuto };
enum class TSampleSide { ssLeft, ssTop, ssRight, ssBottom };
using TSampleSides = TSet<TSampleSide>;

const TTypeInfo& SampleModeType();
const TTypeInfo& SampleSidesType();

class TSampleDetail : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  QString Label() const { return m_label; }
  void SetLabel(const QString& v) { m_label = v; }

 private:
  QString m_label = QStringLiteral("detail");
};

class TSample : public TComponent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TSample(TComponent* owner) : TComponent(owner) {}

  int Count() const { return m_count; }
  void SetCount(int v) { m_count = v; }
  int Color() const { return m_color; }
  void SetColor(int v) { m_color = v; }
  uint32_t Big() const { return m_big; }
  void SetBig(uint32_t v) { m_big = v; }
  bool Enabled() const { return m_enabled; }
  void SetEnabled(bool v) { m_enabled = v; }
  TSampleMode Mode() const { return m_mode; }
  void SetMode(TSampleMode v) { m_mode = v; }
  TSampleSides Sides() const { return m_sides; }
  void SetSides(TSampleSides v) { m_sides = v; }
  char Letter() const { return m_letter; }
  void SetLetter(char v) { m_letter = v; }
  float Ratio() const { return m_ratio; }
  void SetRatio(float v) { m_ratio = v; }
  int64_t Huge() const { return m_huge; }
  void SetHuge(int64_t v) { m_huge = v; }
  QString Caption() const { return m_caption; }
  void SetCaption(const QString& v) { m_caption = v; }
  QString Hint() const { return m_hint; }
  void SetHint(const QString& v) { m_hint = v; }
  TVariant Value() const { return m_value; }
  void SetValue(const TVariant& v) { m_value = v; }
  TSampleDetail* Detail() const { return m_detail.get(); }
  void SetDetail(TSampleDetail* v) { m_detail->SetLabel(v ? v->Label() : QString()); }
  TComponent* Buddy() const { return m_buddy; }
  void SetBuddy(TComponent* v) { m_buddy = v; }
  TNotifyEvent OnClick() const { return m_onClick; }
  void SetOnClick(TNotifyEvent v) { m_onClick = std::move(v); }
  int Version() const { return 7; }

 private:
  int m_count = 0;
  int m_color = 0;
  uint32_t m_big = 0;
  bool m_enabled = true;
  TSampleMode m_mode = TSampleMode::smOff;
  TSampleSides m_sides{TSampleSide::ssLeft, TSampleSide::ssTop};
  char m_letter = 'A';
  float m_ratio = 0;
  int64_t m_huge = 0;
  QString m_caption;
  QString m_hint;
  TVariant m_value;
  std::unique_ptr<TSampleDetail> m_detail = std::make_unique<TSampleDetail>();
  TComponent* m_buddy = nullptr;
  TNotifyEvent m_onClick;
};

// Republishes Caption with another type and adds one property of its own.
class TSampleChild : public TSample {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TSampleChild(TComponent* owner) : TSample(owner) {}
  int Extra() const { return m_extra; }
  void SetExtra(int v) { m_extra = v; }

 private:
  int m_extra = 0;
};

// Records the notifications it receives and forgets a watched component
// as it goes away.
class TWatcher : public TComponent {
 public:
  explicit TWatcher(TComponent* owner) : TComponent(owner) {}
  TComponent* watched = nullptr;
  std::vector<std::pair<TComponent*, TOperation>> log;
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    log.emplace_back(component, operation);
    if (operation == TOperation::opRemove && component == watched) watched = nullptr;
  }
};
