#include "toolkit/Collection.h"
#include "toolkit/Strings.h"
#include "toolkit/SysUtils.h"

#include "support/TestSupport.h"

#include <ostream>

namespace {

struct SplitCase {
  const char* text;
  QStringList lines;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << QString::fromLatin1(c.text).toUtf8().toPercentEncoding().constData(); }

class TextSplitting : public ::testing::TestWithParam<SplitCase> {};

TEST_P(TextSplitting, AcceptsEveryLineEnd) {
  TStringList list;
  list.SetText(QString::fromLatin1(GetParam().text));
  EXPECT_EQ(list.ToStringList(), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, TextSplitting,
    ::testing::Values(SplitCase{"a\r\nb\r\n", {"a", "b"}}, SplitCase{"a\nb", {"a", "b"}}, SplitCase{"a\rb\r", {"a", "b"}},
                      SplitCase{"a\r\n\r\nb", {"a", "", "b"}}, SplitCase{"a\n\rb", {"a", "", "b"}},
                      SplitCase{"", {}}, SplitCase{"\r\n", {""}}, SplitCase{"x", {"x"}}));

TEST(StringList, TextJoinsWithCrLfAfterEveryLine) {
  TStringList list(QStringList{"one", "", "three"});
  EXPECT_EQ(list.Text(), "one\r\n\r\nthree\r\n");
}

TEST(StringList, NameValueLines) {
  TStringList list(QStringList{"Name=Deutsch", "Caption=a=b", "plain", "Empty="});
  EXPECT_EQ(list.Names(1), "Caption");
  EXPECT_EQ(list.Names(2), "");
  EXPECT_EQ(list.Values("caption"), "a=b");
  EXPECT_EQ(list.Values("NAME"), "Deutsch");
  EXPECT_EQ(list.Values("plain"), "");
  EXPECT_EQ(list.IndexOfName("empty"), 3);
  EXPECT_EQ(list.ValueFromIndex(0), "Deutsch");
  list.SetValue("Name", "English");
  EXPECT_EQ(list[0], "Name=English");
  list.SetValue("New", "1");
  EXPECT_EQ(list[4], "New=1");
  list.SetValue("Name", "");
  EXPECT_EQ(list.IndexOfName("Name"), -1);
}

TEST(StringList, LookupIgnoresLetterCaseAndKeepsObjects) {
  TStringList list;
  TStringList marker;
  list.Add("Alpha");
  list.AddObject("Beta", &marker);
  EXPECT_EQ(list.IndexOf("BETA"), 1);
  EXPECT_EQ(list.IndexOf("gamma"), -1);
  EXPECT_EQ(list.Objects(1), &marker);
  EXPECT_EQ(list.IndexOfObject(&marker), 1);
  list.SetCaseSensitive(true);
  EXPECT_EQ(list.IndexOf("BETA"), -1);
}

TEST(StringList, SortedModeInsertsInOrderAndIgnoresDuplicates) {
  TStringList list;
  list.SetSorted(true);
  for (const char* s : {"pear", "Apple", "fig", "apple"}) list.Add(s);
  EXPECT_EQ(list.ToStringList(), QStringList({"Apple", "fig", "pear"}));
  int index = -1;
  EXPECT_TRUE(list.Find("FIG", index));
  EXPECT_EQ(index, 1);
  EXPECT_FALSE(list.Find("grape", index));
  EXPECT_EQ(index, 2);
  EXPECT_THROW(list.Insert(0, "x"), EStringListError);
  list.SetDuplicates(TDuplicates::dupError);
  EXPECT_THROW(list.Add("PEAR"), EStringListError);
}

TEST(StringList, OutOfRangeIndexIsAnError) {
  TStringList list(QStringList{"a"});
  try {
    list.Get(3);
    FAIL();
  } catch (const EStringListError& e) {
    EXPECT_EQ(e.Message(), "List index out of bounds (3)");
  }
  EXPECT_THROW(list.Delete(-1), EStringListError);
  EXPECT_THROW(list.Put(1, "b"), EStringListError);
}

TEST(StringList, UpdateBracketNotifiesOnceAtTheOutermostEnd) {
  TStringList list;
  int changes = 0;
  list.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &list);
    ++changes;
  };
  list.Add("a");
  EXPECT_EQ(changes, 1);
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add("b");
  list.Add("c");
  list.EndUpdate();
  EXPECT_EQ(changes, 1);
  list.EndUpdate();
  EXPECT_EQ(changes, 2);
  list.SetText("x\r\ny");
  EXPECT_EQ(changes, 3);
}

TEST(StringList, CommaTextRoundTrip) {
  TStringList list(QStringList{"plain", "with space", "a,b", "say \"hi\""});
  const QString text = list.CommaText();
  EXPECT_EQ(text, "plain,\"with space\",\"a,b\",\"say \"\"hi\"\"\"");
  TStringList back;
  back.SetCommaText(text);
  EXPECT_TRUE(back.Equals(list));
  back.SetCommaText("Edit,New,Delete,Up,Down,Pin");
  EXPECT_EQ(back.Count(), 6);
  EXPECT_EQ(back[5], "Pin");
}

TEST(StringList, AssignCopiesLinesAndObjects) {
  TStringList source(QStringList{"a", "b"});
  source.PutObject(1, &source);
  TStringList target(QStringList{"old"});
  target.Assign(&source);
  EXPECT_EQ(target.ToStringList(), QStringList({"a", "b"}));
  EXPECT_EQ(target.Objects(1), &source);
  TComponent notStrings(nullptr);
  EXPECT_THROW(target.Assign(&notStrings), EConvertError);
}

class TNamedItem : public TCollectionItem {
 public:
  static const TClassInfo& StaticClass() {
    static const TClassInfo info("TNamedItem", &TCollectionItem::StaticClass(), [](TClassInfo& c) {
      Publisher<TNamedItem>(c).Prop("Caption", Types::String(), &TNamedItem::Caption, &TNamedItem::SetCaption);
    });
    return info;
  }
  const TClassInfo& ClassType() const override { return StaticClass(); }
  using TCollectionItem::TCollectionItem;
  QString Caption() const { return caption; }
  void SetCaption(const QString& v) {
    caption = v;
    Changed(false);
  }
  QString caption;
};

TEST(Collection, OwnsItemsByIndex) {
  int updates = 0;
  auto collection = std::make_unique<TCollection>(TNamedItem::StaticClass(),
                                                  [](TCollection* c) { return new TNamedItem(c); });
  collection->OnUpdate = [&](TCollectionItem*) { ++updates; };
  auto* first = static_cast<TNamedItem*>(collection->Add());
  auto* second = static_cast<TNamedItem*>(collection->Add());
  EXPECT_EQ(collection->Count(), 2);
  EXPECT_EQ(collection->Items(1), second);
  EXPECT_EQ(first->Index(), 0);
  EXPECT_EQ(collection->Items(0)->ClassName(), "TNamedItem");
  second->SetIndex(0);
  EXPECT_EQ(collection->Items(0), second);
  EXPECT_THROW(collection->Items(2), EListError);
  collection->Delete(0);
  EXPECT_EQ(collection->Count(), 1);
  EXPECT_EQ(collection->Items(0), first);

  const int before = updates;
  collection->BeginUpdate();
  first->SetCaption("x");
  collection->Add();
  EXPECT_EQ(updates, before);
  collection->EndUpdate();
  EXPECT_EQ(updates, before + 1);
}

}  // namespace
