// A non-visual component that carries a list of texts, so that a window can
// hold texts a language/GUI file translates.
#pragma once

#include "toolkit/Strings.h"

class TOrqStringList : public TComponent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TOrqStringList(TComponent* owner) : TComponent(owner) {}

  TStrings& Strings() { return m_strings; }
  TStrings* StringsObject() const { return const_cast<TStringList*>(&m_strings); }
  // Copies the lines; the owned list is never replaced.
  void SetStrings(TStrings* value) { m_strings.Assign(value); }

 private:
  TStringList m_strings;
};
