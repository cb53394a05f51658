// The dialog base with its buttons and hint line, the classic-look button,
// and the hint label.
#include "controls/OrqAutoHintLabel.h"
#include "controls/OrqCorelButton.h"
#include "controls/base.h"

#include "toolkit/Application.h"
#include "toolkit/Edit.h"
#include "toolkit/Image.h"
#include "toolkit/Panel.h"

#include "support/TestSupport.h"

#include <QApplication>
#include <QCursor>
#include <QTest>

namespace {

// ---- TCorelButton ----------------------------------------------------------

// Buttons made while it lives draw themselves in the classic look.
class ClassicLook {
 public:
  explicit ClassicLook(bool classic = true) : m_themes(TCorelButton::ThemesEnabled()) {
    TCorelButton::SetThemesEnabled(!classic);
  }
  ~ClassicLook() { TCorelButton::SetThemesEnabled(m_themes); }

 private:
  bool m_themes;
};

class CorelButton : public ::testing::Test {
 protected:
  void SetUp() override {
    form.SetBounds(100, 100, 200, 100);
    button = new TCorelButton(&form);
    button->SetParent(&form);
    button->SetBounds(20, 30, 75, 25);
    button->SetCaption("Button");
    other = new TEdit(&form);
    other->SetParent(&form);
    other->SetBounds(120, 30, 60, 25);
    form.ShowForm();
    other->SetFocus();
    QApplication::processEvents();
  }

  QImage Picture() { return button->Widget()->grab().toImage(); }
  // Colours compared as 8-bit RGB: system colours carry finer components.
  static QRgb Pixel(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xFF000000u; }
  static QRgb Sys(TColor color) { return ColorToQColor(color).rgb(); }
  void PointAt(QWidget* widget) {
    QCursor::setPos(widget->mapToGlobal(widget->rect().center()));
    QApplication::processEvents();
  }

  ClassicLook classic;
  TForm form{nullptr};
  TCorelButton* button = nullptr;
  TEdit* other = nullptr;
};

TEST_F(CorelButton, DoubleClickCountsAsTwoClicks) {
  ASSERT_TRUE(button->ClassicLook());
  int clicks = 0;
  int doubleClicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  button->OnDblClick = [&](TObject*) { ++doubleClicks; };
  QWindow* window = form.Widget()->windowHandle();
  ASSERT_NE(window, nullptr);
  const QPoint at = button->Widget()->mapTo(form.Widget(), button->Widget()->rect().center());
  QTest::mouseDClick(window, Qt::LeftButton, {}, at);
  QApplication::processEvents();
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(doubleClicks, 0);
}

TEST_F(CorelButton, HotBorderWhileTheMouseIsOver) {
  const int w = button->Width();
  const int h = button->Height();
  PointAt(other->Widget());
  QImage plain = Picture();
  EXPECT_FALSE(button->Hot());
  // The thin raised border: light left and top, shadow right and bottom.
  EXPECT_EQ(Pixel(plain, 0, h / 2), Sys(clBtnHighlight));
  EXPECT_EQ(Pixel(plain, w / 2, 0), Sys(clBtnHighlight));
  EXPECT_EQ(Pixel(plain, w - 1, h / 2), Sys(clBtnShadow));
  EXPECT_EQ(Pixel(plain, w / 2, h - 1), Sys(clBtnShadow));
  EXPECT_EQ(Pixel(plain, w - 2, h / 2), Sys(clBtnFace));

  PointAt(button->Widget());
  QImage hot = Picture();
  EXPECT_TRUE(button->Hot());
  EXPECT_EQ(Pixel(hot, 0, h / 2), Sys(clBtnHighlight));
  EXPECT_EQ(Pixel(hot, w - 1, h / 2), Sys(clWindowText));
  EXPECT_EQ(Pixel(hot, w / 2, h - 1), Sys(clWindowText));
  EXPECT_EQ(Pixel(hot, w - 2, h / 2), Sys(clBtnShadow));
  EXPECT_EQ(Pixel(hot, w / 2, h - 2), Sys(clBtnShadow));

  hot.save(QStringLiteral(VORNIK_BINARY_DIR "/corel-button-hot.png"));

  PointAt(other->Widget());
  EXPECT_EQ(Picture(), plain);
}

TEST_F(CorelButton, DefaultButtonIsFramed) {
  PointAt(other->Widget());
  button->SetDefault(true);
  const QImage framed = Picture();
  const int w = button->Width();
  const int h = button->Height();
  EXPECT_EQ(Pixel(framed, 0, h / 2), Sys(clWindowText));
  EXPECT_EQ(Pixel(framed, w - 1, h / 2), Sys(clWindowText));
  // The raised border moves one pixel in.
  EXPECT_EQ(Pixel(framed, 1, h / 2), Sys(clBtnHighlight));
  EXPECT_EQ(Pixel(framed, w - 2, h / 2), Sys(clBtnShadow));
}

TEST_F(CorelButton, DisabledCaptionIsEmbossed) {
  PointAt(other->Widget());
  const QRect caption(10, 5, button->Width() - 20, button->Height() - 10);
  auto count = [&](const QImage& image, QRgb color) {
    int n = 0;
    for (int y = caption.top(); y <= caption.bottom(); ++y)
      for (int x = caption.left(); x <= caption.right(); ++x) n += Pixel(image, x, y) == color;
    return n;
  };
  const QImage enabled = Picture();
  EXPECT_GT(count(enabled, Sys(clBtnText)), 0);
  EXPECT_EQ(count(enabled, Sys(clBtnHighlight)), 0);
  button->SetEnabled(false);
  const QImage disabled = Picture();
  EXPECT_EQ(count(disabled, Sys(clBtnText)), 0);
  EXPECT_GT(count(disabled, Sys(clBtnShadow)), 0);
  EXPECT_GT(count(disabled, Sys(clBtnHighlight)), 0);
  disabled.save(QStringLiteral(VORNIK_BINARY_DIR "/corel-button-disabled.png"));
}

TEST(CorelButtonLook, ThemedButtonsDrawNothingThemselves) {
  ClassicLook themed(false);
  TCorelButton button(nullptr);
  EXPECT_FALSE(button.ClassicLook());
  EXPECT_EQ(button.Width(), 75);
  EXPECT_EQ(button.Height(), 25);
}

// ---- TOrqAutoHintLabel -----------------------------------------------------

TEST(AutoHintLabel, ShowsTheHintOfTheControlUnderTheMouse) {
  TForm form(nullptr);
  auto* hinted = new TPanel(&form);
  hinted->SetParent(&form);
  hinted->SetHint("Short|The long part of the hint");
  auto* plain = new TPanel(&form);
  plain->SetParent(&form);
  int passedOn = 0;
  Application().OnHint = [&](TObject*) { ++passedOn; };
  {
    auto* label = new TOrqAutoHintLabel(&form);
    label->SetParent(&form);
    label->SetCaption("start");
    Application().SetHintControl(hinted);
    EXPECT_EQ(label->Caption(), "The long part of the hint");
    Application().SetHintControl(plain);
    EXPECT_EQ(label->Caption(), "");
    EXPECT_EQ(passedOn, 0);
    // A disabled label leaves the announcement to the handler before it.
    label->SetEnabled(false);
    Application().SetHintControl(hinted);
    EXPECT_EQ(label->Caption(), "");
    EXPECT_EQ(passedOn, 1);
    TComponent::Free(label);
  }
  // With the label gone the earlier handler is back in place.
  Application().SetHintControl(plain);
  EXPECT_EQ(passedOn, 2);
  Application().OnHint = nullptr;
  Application().SetHintControl(nullptr);
}

// ---- TBaseDlg --------------------------------------------------------------

TEST(BaseDialog, ShowsNothingButItsFrameUntilADialogChoosesButtons) {
  TBaseDlg dialog(nullptr);
  EXPECT_EQ(dialog.Caption(), "basedlg");
  EXPECT_EQ(dialog.ClientWidth(), 353);
  EXPECT_EQ(dialog.ClientHeight(), 98);
  EXPECT_EQ(dialog.BorderIcons(), TBorderIcons({TBorderIcon::biSystemMenu}));
  EXPECT_TRUE(dialog.ShowHint());
  EXPECT_EQ(dialog.Position(), TPosition::poOwnerFormCenter);
  EXPECT_EQ(dialog.Font().Name(), QString::fromLatin1(kDefaultFontName));
  EXPECT_EQ(dialog.Font().Charset(), DEFAULT_CHARSET);
  EXPECT_EQ(dialog.Bevel1()->BoundsRect(), QRect(3, 65, 347, 2));
  EXPECT_EQ(dialog.Bevel1()->Shape(), TBevelShape::bsBottomLine);
  EXPECT_EQ(dialog.OrqAutoHintLabel1()->BoundsRect(), QRect(0, 82, 353, 16));
  EXPECT_FALSE(dialog.OrqAutoHintLabel1()->AutoSize());
  EXPECT_TRUE(dialog.OrqAutoHintLabel1()->Transparent());
  struct Row {
    TCorelButton* button;
    const char* caption;
    int left;
    int tabOrder;
  };
  for (const Row& row : {Row{dialog.Btn1(), "btn1", 275, 3}, Row{dialog.Btn2(), "btn2", 197, 2},
                         Row{dialog.Btn3(), "btn3", 119, 1}, Row{dialog.Btn4(), "btn4", 41, 0}}) {
    EXPECT_EQ(row.button->Caption(), row.caption);
    EXPECT_EQ(row.button->Name(), row.caption);
    EXPECT_EQ(row.button->BoundsRect(), QRect(row.left, 70, 75, 25)) << row.caption;
    EXPECT_EQ(row.button->TabOrder(), row.tabOrder) << row.caption;
    EXPECT_FALSE(row.button->Visible());
  }
  EXPECT_EQ(dialog.FindComponent("OrqAutoHintLabel1"), dialog.OrqAutoHintLabel1());
}

TEST(BaseDialog, ResizingKeepsButtonsSeparatorAndHintLineAtTheBottom) {
  TBaseDlg dialog(nullptr);
  dialog.Btn1()->SetVisible(true);
  dialog.Btn2()->SetVisible(true);
  dialog.SetClientSize(453, 198);
  EXPECT_EQ(dialog.Btn1()->BoundsRect(), QRect(375, 170, 75, 25));
  EXPECT_EQ(dialog.Btn2()->BoundsRect(), QRect(297, 170, 75, 25));
  EXPECT_EQ(dialog.Bevel1()->BoundsRect(), QRect(3, 165, 447, 2));
  EXPECT_EQ(dialog.OrqAutoHintLabel1()->BoundsRect(), QRect(0, 182, 453, 16));
}

TEST(BaseDialog, CreationHooksRunBeforeTheFontReset) {
  class Logged : public TBaseDlg {
   public:
    explicit Logged(std::vector<QString>& log) : TBaseDlg(nullptr, TInherited{}), m_log(log) {
      Font().SetName("Courier New");
      FinishCreate();
    }

   protected:
    void PrepareDialog() override { m_log.push_back("prepare " + Font().Name()); }
    void InitializeDialog() override { m_log.push_back("initialize"); }
    void CloseDialog() override { m_log.push_back("close"); }

   private:
    std::vector<QString>& m_log;
  };
  std::vector<QString> log;
  Logged dialog(log);
  EXPECT_EQ(dialog.Font().Name(), QString::fromLatin1(kDefaultFontName));
  dialog.ShowForm();
  dialog.Close();
  EXPECT_EQ(log, (std::vector<QString>{"prepare Courier New", "initialize", "close"}));
}

}  // namespace
