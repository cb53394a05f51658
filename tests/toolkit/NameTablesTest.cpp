// The name tables of colours, cursors and charsets, and the cursor pictures.
#include "toolkit/Cursors.h"
#include "toolkit/Graphics.h"

#include "support/TestSupport.h"

namespace {

TEST(NameTables, TheFirstEntryOfAValueNamesItAndNamesMatchInAnyCase) {
  EXPECT_EQ(IntToIdent(crSizeAll, CursorIdents()), QString("crSizeAll"));
  EXPECT_EQ(IdentToInt("CRSIZE", CursorIdents()), std::optional<int32_t>(crSizeAll));
  EXPECT_EQ(IntToIdent(-1, CursorIdents()), std::nullopt);
  EXPECT_EQ(IdentToInt("crNone", CursorIdents()), std::nullopt);
  EXPECT_EQ(IdentToInt("clbtnface", ColorIdents()), std::optional<int32_t>(clBtnFace));
  EXPECT_EQ(IntToIdent(clNone, ColorIdents()), QString("clNone"));
  EXPECT_EQ(IntToIdent(77, CharsetIdents()), QString("MAC_CHARSET"));
  EXPECT_EQ(IntToIdent(3, CharsetIdents()), std::nullopt);
  EXPECT_EQ(IdentToInt("", CharsetIdents()), std::nullopt);
  EXPECT_EQ(ColorIdents().size(), 52u);
  EXPECT_EQ(CursorIdents().size(), 22u);
  EXPECT_EQ(CharsetIdents().size(), 18u);
}

TEST(CursorPictures, EveryNamedCursorHasOneAtTheStandardSize) {
  for (const TIdentMapEntry& entry : CursorIdents()) {
    const QImage picture = CursorPicture(static_cast<TCursor>(entry.Value));
    ASSERT_FALSE(picture.isNull()) << entry.Name;
    EXPECT_EQ(picture.size(), CursorPictureSize()) << entry.Name;
    EXPECT_GT(ColourCount(picture, picture.rect()), 1) << entry.Name;  // something drawn on the clear ground
  }
  for (TCursor unnamed : {crNone, TCursor{-5}, TCursor{-23}, TCursor{1}}) EXPECT_TRUE(CursorPicture(unnamed).isNull());
}

}  // namespace
