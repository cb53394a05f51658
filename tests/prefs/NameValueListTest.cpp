// The name=value list of the preferences (Import/LastFiles): the reader
// builds it as a SetValue per entry would, without a scan of the list per
// entry.
#include "prefs/ProgramSettings.h"

#include "support/TestSupport.h"

#include <random>
#include <utility>
#include <vector>

namespace {

using Entries = std::vector<std::pair<QString, QString>>;

// The list the reader makes of entries given as LastFiles children (tag
// name, FileName).
QStringList ReadLastFiles(const Entries& entries) {
  QString xml = QStringLiteral("<Preferences><Settings><Import><LastFiles>");
  for (const auto& [name, value] : entries) xml += QStringLiteral("<%1 FileName=\"%2\"/>").arg(name, value);
  xml += QStringLiteral("</LastFiles></Import></Settings></Preferences>");
  TSettings settings;
  settings.Xml().LoadFromString(xml);
  settings.ReadFromXml();
  return settings.ImportLastFiles.ToStringList();
}

QStringList SetValueInTurn(const Entries& entries) {
  TStringList list;
  for (const auto& [name, value] : entries) list.SetValue(name, value);
  return list.ToStringList();
}

TEST(NameValueListReading, ValuesReplaceRemoveAndAddAsSetValueDoes) {
  const Entries entries = {
      {"CSV", "one.csv"}, {"Xml", "x.xml"},      {"csv", "two.csv"}, {"Xml", ""},         {"XML", "again.xml"},
      {"a=b", "first"},   {"A", "second"},       {"a", "third"},     {"a", ""},           {"a", "fourth"},
      {"a=c", "fifth"},   {QString::fromUtf8("\xc3\x84rger"), "x"},  {QString::fromUtf8("\xc3\xa4rger"), "y"},
      {"None", ""},
  };
  const QStringList lines = ReadLastFiles(entries);
  // "a=b=first" is a line named "a", so "A" takes it over and the empty "a"
  // removes it; "a=c" finds no line, since no line's name holds an "=".
  EXPECT_EQ(lines, QStringList({"csv=two.csv", "XML=again.xml", "a=fourth", "a=c=fifth",
                                QString::fromUtf8("\xc3\xa4rger=y")}));
  EXPECT_EQ(lines, SetValueInTurn(entries));
}

TEST(NameValueListReading, ManyEntriesOfFewNamesGiveTheListOfSetValue) {
  const QStringList names = {"CSV", "csv", "Csv", "Xml", "XML", "a", "A", "a=1", "A=2", "b"};
  std::mt19937 random(15);
  std::uniform_int_distribution<int> pick(0, static_cast<int>(names.size()) - 1);
  std::uniform_int_distribution<int> value(0, 4);
  Entries entries;
  for (int i = 0; i < 2000; ++i) {
    const int v = value(random);
    entries.emplace_back(names[pick(random)], v == 0 ? QString() : QStringLiteral("file%1").arg(i));
  }
  EXPECT_EQ(ReadLastFiles(entries), SetValueInTurn(entries));
}

}  // namespace
