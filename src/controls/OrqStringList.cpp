#include "controls/OrqStringList.h"

const TClassInfo& TOrqStringList::StaticClass() {
  static const TClassInfo info("TOrqStringList", &TComponent::StaticClass(), [](TClassInfo& c) {
    Publisher<TOrqStringList>(c).Creatable().Prop("Strings", TStrings::StaticClass().TypeInfo(),
                                                   &TOrqStringList::StringsObject, &TOrqStringList::SetStrings);
  });
  return info;
}
