// Sets a variable for the length of a scope and gives it back its previous
// value when the scope ends, also when an exception leaves it:
//
//   const TScopedValue syncing(m_syncing, true);  // the widget's own signals
//   widget->setValue(v);                           // are not the user's
//
// Nested scopes on one variable unwind in order, so a flag set by an outer
// scope stays set after an inner one ends.
#pragma once

#include <utility>

template <class T>
class [[nodiscard]] TScopedValue {
 public:
  template <class U>
  TScopedValue(T& variable, U&& value) : m_variable(variable), m_saved(std::exchange(variable, std::forward<U>(value))) {}
  ~TScopedValue() { m_variable = std::move(m_saved); }
  TScopedValue(const TScopedValue&) = delete;
  TScopedValue& operator=(const TScopedValue&) = delete;

 private:
  T& m_variable;
  T m_saved;
};

template <class T, class U>
TScopedValue(T&, U&&) -> TScopedValue<T>;
