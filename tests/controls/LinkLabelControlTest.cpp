// The link label control on a real window: captions, painting, the height it
// takes, and links pressed, hovered and clicked with mouse events.
#include "controls/OrqJvLinkLabel.h"

#include "toolkit/Forms.h"

#include "support/TestSupport.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);

struct Click {
  int number;
  QString text;
  bool operator==(const Click&) const = default;
};

void PrintTo(const Click& click, std::ostream* os) {
  *os << click.number << " \"" << click.text.toStdString() << "\"";
}

class LinkLabel : public ::testing::Test {
 protected:
  void SetUp() override {
    form.SetBounds(0, 0, 420, 200);
    label = new TOrqJvLinkLabel(&form);
    label->SetParent(&form);
    label->Font().SetSize(8);
    label->SetBounds(10, 10, 300, 80);
    label->SetAutoHeight(false);
    label->OnLinkClick = [this](TObject*, int number, const QString& text) { clicks.push_back({number, text}); };
    form.ShowForm();
    QApplication::processEvents();
  }

  // Paints the control and returns its picture.
  QImage Picture() { return label->Widget()->grab().toImage(); }

  // The first drawn rectangle of link `n` (after a painting).
  QRect LinkRect(int n) {
    TNodeEnumerator links = label->Tree().TopLevelNodes(TLinkNode::StaticClass());
    for (int i = 0; i < n; ++i) links.GetNext();
    TRectEnumerator rects = static_cast<TAreaNode*>(links.GetNext())->AreaRects();
    while (rects.HasNext()) {
      const QRect r = rects.GetNext();
      if (!r.isEmpty()) return r;
    }
    ADD_FAILURE() << "link " << n << " was not drawn";
    return QRect();
  }

  static int Count(const QImage& image, const QRect& rect, const QColor& color) {
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
      for (int x = rect.left(); x <= rect.right(); ++x) n += image.pixelColor(x, y) == color;
    return n;
  }

  QWidget* W() const { return label->Widget(); }
  void Press(const QPoint& p) { QTest::mousePress(W(), Qt::LeftButton, {}, p); }
  void Release(const QPoint& p) { QTest::mouseRelease(W(), Qt::LeftButton, {}, p); }
  void Move(const QPoint& p, Qt::MouseButtons buttons = Qt::NoButton) {
    QMouseEvent move(QEvent::MouseMove, p, W()->mapToGlobal(p), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(W(), &move);
  }
  void Leave() {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(W(), &leave);
  }

  TForm form{nullptr};
  TOrqJvLinkLabel* label = nullptr;
  std::vector<Click> clicks;
};

TEST_F(LinkLabel, ReleaseOnAnotherLinkReportsThatOne) {
  label->SetCaption("Write to <link>first</link> or <link>second</link>.");
  Picture();
  Press(LinkRect(0).center());
  EXPECT_EQ(label->ActiveLink()->Number(), 0);
  Release(LinkRect(1).center());
  EXPECT_EQ(clicks, std::vector<Click>({{1, "second"}}));
  EXPECT_EQ(label->ActiveLink(), nullptr);
}

TEST_F(LinkLabel, PressMoveOffAndReleaseElsewhereReportsNothingAndDrawsNormal) {
  label->SetLinkColorClicked(clGreen);
  label->SetCaption("<link>pressed</link> and plain text");
  QImage before = Picture();
  const QRect link = LinkRect(0);
  EXPECT_GT(Count(before, link, kBlue), 0);

  Press(link.center());
  QImage pressed = Picture();
  EXPECT_GT(Count(pressed, link, kGreen), 0);
  EXPECT_EQ(Count(pressed, link, kBlue), 0);

  const QPoint away(link.center().x(), 70);
  Move(away, Qt::LeftButton);
  // The pressed link stays pressed while the mouse is away.
  EXPECT_GT(Count(Picture(), link, kGreen), 0);
  Release(away);
  EXPECT_TRUE(clicks.empty());
  QImage after = Picture();
  EXPECT_EQ(Count(after, link, kGreen), 0);
  EXPECT_EQ(after, before);
}

TEST_F(LinkLabel, HotLinksFollowTheMouseAndLeaveWithIt) {
  label->SetHotLinks(true);
  label->SetLinkColorHot(clRed);
  label->SetCaption("Visit <link>our site</link> or <link>theirs</link>");
  const QImage normal = Picture();
  const QRect first = LinkRect(0);
  const QRect second = LinkRect(1);

  Move(first.center());
  EXPECT_EQ(W()->cursor().shape(), Qt::PointingHandCursor);
  QImage hot = Picture();
  EXPECT_GT(Count(hot, first, kRed), 0);
  EXPECT_EQ(Count(hot, first, kBlue), 0);
  EXPECT_GT(Count(hot, second, kBlue), 0);

  Move(second.center());
  hot = Picture();
  EXPECT_GT(Count(hot, first, kBlue), 0);
  EXPECT_GT(Count(hot, second, kRed), 0);

  Leave();
  EXPECT_EQ(label->ActiveLink(), nullptr);
  EXPECT_EQ(Picture(), normal);

  Move(second.center());
  Move(QPoint(second.center().x(), 70));
  EXPECT_EQ(W()->cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(Picture(), normal);
}

TEST_F(LinkLabel, WithoutHotLinksHoveringChangesOnlyThePointer) {
  label->SetCaption("<link>link</link>");
  const QImage normal = Picture();
  Move(LinkRect(0).center());
  EXPECT_EQ(W()->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(label->ActiveLink(), nullptr);
  EXPECT_EQ(Picture(), normal);
}

TEST_F(LinkLabel, ReportedTextHasTheEntitiesReplaced) {
  label->SetCaption("<link>a &lt;b&gt;</link>");
  Picture();
  QTest::mouseClick(W(), Qt::LeftButton, {}, LinkRect(0).center());
  EXPECT_EQ(clicks, std::vector<Click>({{0, "a <b>"}}));
}

TEST_F(LinkLabel, NewCaptionNumbersItsLinksFromZero) {
  int changes = 0;
  label->OnCaptionChanged = [&](TObject*) { ++changes; };
  label->SetCaption("<link>x</link> <link>y</link>");
  label->SetCaption("<link>x</link> <link>y</link>");
  EXPECT_EQ(changes, 1);
  label->SetCaption("<link>z</link>");
  EXPECT_EQ(changes, 2);
  Picture();
  QTest::mouseClick(W(), Qt::LeftButton, {}, LinkRect(0).center());
  EXPECT_EQ(clicks, std::vector<Click>({{0, "z"}}));
}

TEST_F(LinkLabel, DynamicTagsTakeTheirTextFromTheEvent) {
  std::vector<int> asked;
  label->OnDynamicTagInit = [&](TObject*, QString& source, int number) {
    asked.push_back(number);
    if (number == 1) source = "<link>supplied</link>";
  };
  label->SetCaption("<link>own</link> <dynamic> <dynamic>");
  EXPECT_EQ(asked, std::vector<int>({0, 1}));
  Picture();
  QTest::mouseClick(W(), Qt::LeftButton, {}, LinkRect(1).center());
  EXPECT_EQ(clicks, std::vector<Click>({{1, "supplied"}}));
}

TEST_F(LinkLabel, TextLinesAndCaptionAgree) {
  TStringList lines;
  lines.Add("<b>first</b>");
  lines.Add("second");
  label->SetTextLines(&lines);
  EXPECT_EQ(label->Caption(), "<b>first</b>\r\nsecond\r\n");
  EXPECT_EQ(label->Tree().AreaText(), "firstsecond");
  label->SetCaption("one");
  EXPECT_EQ(label->TextLines().Text(), "one\r\n");
}

TEST_F(LinkLabel, AutoHeightTakesTheTextHeightAndBothMargins) {
  label->SetMarginHeight(4);
  label->SetMarginWidth(3);
  label->SetAutoHeight(true);
  label->SetCaption("two<br>lines");
  Picture();
  QImage image(1, 1, QImage::Format_ARGB32);
  TCanvas canvas(&image);
  canvas.Font().Assign(&label->Font());
  const int lineHeight = canvas.TextHeight("fg");
  EXPECT_EQ(label->Height(), 4 + 2 * lineHeight + 4);
  auto* text = static_cast<TStringNode*>(label->Tree().FirstNodeOfClass(TStringNode::StaticClass()));
  EXPECT_EQ(text->Rects()[0].topLeft(), QPoint(3, 4));
  // Aligned to the left, the control keeps its height.
  label->SetAlign(TAlign::alLeft);
  const int aligned = label->Height();
  label->SetCaption("one");
  Picture();
  EXPECT_EQ(label->Height(), aligned);
}

TEST_F(LinkLabel, OpaqueFillsWithItsColourTransparentShowsTheWindow) {
  label->SetColor(clYellow);
  label->SetCaption("x");
  const QPoint corner = label->BoundsRect().bottomRight() - QPoint(2, 2);
  EXPECT_EQ(form.Widget()->grab().toImage().pixelColor(corner), QColor(255, 255, 0));
  label->SetTransparent(true);
  EXPECT_EQ(form.Widget()->grab().toImage().pixelColor(corner), ColorToQColor(form.Color()));
}

TEST_F(LinkLabel, FontChangeMeasuresAgain) {
  label->SetCaption("measured words");
  Picture();
  auto* text = static_cast<TStringNode*>(label->Tree().FirstNodeOfClass(TStringNode::StaticClass()));
  const int before = text->GetWordInfo(0).Width;
  label->Font().SetSize(16);
  EXPECT_EQ(text->WordInfoCount(), 0);
  Picture();
  EXPECT_GT(text->GetWordInfo(0).Width, before);
  EXPECT_EQ(label->Tree().Root()->Style(), label->Font().Style());
}

TEST(LinkLabelClass, PublishesItsSettings) {
  const TClassInfo& info = TOrqJvLinkLabel::StaticClass();
  for (const char* name : {"Caption", "Text", "Transparent", "LinkColor", "LinkColorClicked", "LinkColorHot",
                           "LinkStyle", "HotLinks", "AutoHeight", "MarginWidth", "MarginHeight", "OnLinkClick",
                           "OnDynamicTagInit", "OnCaptionChanged", "Font", "Anchors"})
    EXPECT_NE(info.FindProperty(QString::fromLatin1(name)), nullptr) << name;
  TOrqJvLinkLabel label(nullptr);
  EXPECT_EQ(label.Width(), 160);
  EXPECT_EQ(label.Height(), 17);
  EXPECT_EQ(label.Color(), clWindow);
  EXPECT_EQ(label.LinkColor(), clBlue);
  EXPECT_EQ(label.LinkColorClicked(), clRed);
  EXPECT_EQ(label.LinkColorHot(), clPurple);
  EXPECT_EQ(label.LinkStyle(), TFontStyles({TFontStyle::fsUnderline}));
  EXPECT_TRUE(label.AutoHeight());
  EXPECT_FALSE(label.HotLinks());
  EXPECT_FALSE(label.Transparent());
}

}  // namespace
