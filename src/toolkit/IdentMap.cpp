#include "toolkit/IdentMap.h"

#include "toolkit/SysUtils.h"

std::optional<QString> IntToIdent(int32_t value, TIdentMap map) {
  for (const TIdentMapEntry& entry : map)
    if (entry.Value == value) return QString::fromLatin1(entry.Name);
  return std::nullopt;
}

std::optional<int32_t> IdentToInt(const QString& ident, TIdentMap map) {
  for (const TIdentMapEntry& entry : map)
    if (SameText(ident, QLatin1String(entry.Name))) return entry.Value;
  return std::nullopt;
}
