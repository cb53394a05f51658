#include "toolkit/SampleClasses.h"

const TTypeInfo& SampleModeType() {
  static const TTypeInfo info = TTypeInfo::Enumeration("TSampleMode", {"smOff", "smOn", "smAuto"});
  return info;
}

const TTypeInfo& SampleSidesType() {
  static const TTypeInfo side = TTypeInfo::Enumeration("TSampleSide", {"ssLeft", "ssTop", "ssRight", "ssBottom"});
  static const TTypeInfo info = TTypeInfo::Set("TSampleSides", side);
  return info;
}

const TClassInfo& TSampleDetail::StaticClass() {
  static const TClassInfo info("TSampleDetail", &TPersistent::StaticClass(), [](TClassInfo& c) {
    Publisher<TSampleDetail>(c).Prop("Label", Types::String(), &TSampleDetail::Label, &TSampleDetail::SetLabel);
  });
  return info;
}

const TClassInfo& TSample::StaticClass() {
  static const TClassInfo info("TSample", &TComponent::StaticClass(), [](TClassInfo& c) {
    Publisher<TSample>(c)
        .Creatable()
        .Prop("Count", Types::Integer(), &TSample::Count, &TSample::SetCount)
        .Prop("Color", Types::TColor(), &TSample::Color, &TSample::SetColor)
        .Prop("Big", Types::Cardinal(), &TSample::Big, &TSample::SetBig)
        .Prop("Enabled", Types::Boolean(), &TSample::Enabled, &TSample::SetEnabled)
        .Prop("Mode", SampleModeType(), &TSample::Mode, &TSample::SetMode)
        .Prop("Sides", SampleSidesType(), &TSample::Sides, &TSample::SetSides)
        .Prop("Letter", Types::Char(), &TSample::Letter, &TSample::SetLetter)
        .Prop("Ratio", Types::Single(), &TSample::Ratio, &TSample::SetRatio)
        .Prop("Huge", Types::Int64(), &TSample::Huge, &TSample::SetHuge)
        .Prop("Caption", Types::TCaption(), &TSample::Caption, &TSample::SetCaption)
        .Prop("Hint", Types::String(), &TSample::Hint, &TSample::SetHint)
        .Prop("Value", Types::Variant(), &TSample::Value, &TSample::SetValue)
        .Prop("Detail", TSampleDetail::StaticClass().TypeInfo(), &TSample::Detail, &TSample::SetDetail)
        .Prop("Buddy", TComponent::StaticClass().TypeInfo(), &TSample::Buddy, &TSample::SetBuddy)
        .Prop("OnClick", Types::Method(), &TSample::OnClick, &TSample::SetOnClick)
        .ReadOnly("Version", Types::Integer(), &TSample::Version);
  });
  return info;
}

const TClassInfo& TSampleChild::StaticClass() {
  static const TClassInfo info("TSampleChild", &TSample::StaticClass(), [](TClassInfo& c) {
    Publisher<TSampleChild>(c)
        .Prop("Extra", Types::Integer(), &TSampleChild::Extra, &TSampleChild::SetExtra)
        .Prop("Caption", Types::String(), &TSampleChild::Caption, &TSampleChild::SetCaption);
  });
  return info;
}
