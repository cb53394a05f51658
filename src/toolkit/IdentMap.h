// Names of integer values both ways, for the values a user reads and types
// by name: colours, cursors, character sets.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <span>

struct TIdentMapEntry {
  int32_t Value;
  const char* Name;
};
using TIdentMap = std::span<const TIdentMapEntry>;

// The name of the first entry with the value; std::nullopt when none has it.
std::optional<QString> IntToIdent(int32_t value, TIdentMap map);
// The value of the first entry whose name equals the text, ASCII letter case
// ignored; std::nullopt when none is named so.
std::optional<int32_t> IdentToInt(const QString& ident, TIdentMap map);
