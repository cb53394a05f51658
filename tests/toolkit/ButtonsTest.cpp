#include "toolkit/Buttons.h"
#include "toolkit/Edit.h"
#include "toolkit/Forms.h"
#include "toolkit/Panel.h"
#include "toolkit/SysUtils.h"

#include "support/RecordingDialogs.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTest>
#include <QTimer>

#include <functional>
#include <tuple>

namespace {

TEST(RadioButtons, OneParentFormsOneGroup) {
  TForm form(nullptr);
  auto* group = new TPanel(&form);
  group->SetParent(&form);
  auto* other = new TPanel(&form);
  other->SetParent(&form);
  std::vector<TRadioButton*> radios;
  for (int i = 0; i < 3; ++i) {
    radios.push_back(new TRadioButton(&form));
    radios.back()->SetParent(group);
    radios.back()->SetBounds(0, i * 20, 100, 17);
  }
  auto* elsewhere = new TRadioButton(&form);
  elsewhere->SetParent(other);
  elsewhere->SetChecked(true);
  form.ShowForm();
  QApplication::processEvents();

  EXPECT_FALSE(radios[0]->Checked() || radios[1]->Checked() || radios[2]->Checked());
  radios[0]->SetChecked(true);
  radios[1]->SetChecked(true);
  EXPECT_FALSE(radios[0]->Checked());
  EXPECT_TRUE(radios[1]->Checked());
  QTest::mouseClick(radios[2]->Widget(), Qt::LeftButton, {}, QPoint(6, 8));
  EXPECT_TRUE(radios[2]->Checked());
  EXPECT_FALSE(radios[1]->Checked());
  // Clicking the checked one keeps it checked.
  QTest::mouseClick(radios[2]->Widget(), Qt::LeftButton, {}, QPoint(6, 8));
  EXPECT_TRUE(radios[2]->Checked());
  EXPECT_TRUE(elsewhere->Checked());
}

TEST(CheckBox, EveryChangeClicksOnce) {
  TForm form(nullptr);
  auto* box = new TCheckBox(&form);
  box->SetParent(&form);
  box->SetCaption("Enable editing");
  int clicks = 0;
  box->OnClick = [&](TObject*) { ++clicks; };
  form.ShowForm();
  QApplication::processEvents();
  QTest::mouseClick(box->Widget(), Qt::LeftButton, {}, QPoint(6, 8));
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(clicks, 1);
  box->SetChecked(false);
  EXPECT_EQ(clicks, 2);
  box->SetChecked(false);
  EXPECT_EQ(clicks, 2);
}

class DialogForm : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 300, 120);
    edit = new TEdit(form.get());
    edit->SetParent(form.get());
    ok = new TButton(form.get());
    ok->SetParent(form.get());
    ok->SetCaption("OK");
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    ok->SetBounds(100, 80, 75, 25);
    cancel = new TButton(form.get());
    cancel->SetParent(form.get());
    cancel->SetCaption("Cancel");
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    cancel->SetBounds(180, 80, 75, 25);
  }
  ScopedDialogs dialogs;
  std::unique_ptr<TForm> form;
  TEdit* edit = nullptr;
  TButton* ok = nullptr;
  TButton* cancel = nullptr;
};

TEST_F(DialogForm, ModalFormReturnsTheResultOfTheButton) {
  dialogs->answerModal = [&](TCustomForm& shown) {
    EXPECT_EQ(&shown, form.get());
    EXPECT_TRUE(shown.IsModal());
    QTest::mouseClick(ok->Widget(), Qt::LeftButton);
  };
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(form->IsModal());
}

TEST_F(DialogForm, EnterAndEscapeReachTheDefaultAndCancelButtons) {
  dialogs->answerModal = [&](TCustomForm&) { QTest::keyClick(edit->Widget(), Qt::Key_Return); };
  EXPECT_EQ(form->ShowModal(), mrOk);
  dialogs->answerModal = [&](TCustomForm&) { QTest::keyClick(edit->Widget(), Qt::Key_Escape); };
  EXPECT_EQ(form->ShowModal(), mrCancel);
  // Closing the window counts as cancel.
  dialogs->answerModal = [&](TCustomForm& shown) { shown.Close(); };
  EXPECT_EQ(form->ShowModal(), mrCancel);
}

// The real dialog service runs its own loop: however the modal window is
// closed, afterwards no window is blocked and it takes input again.
TEST_F(DialogForm, RealModalLoopLeavesNoWindowBlocked) {
  std::unique_ptr<TDialogService> recording = Application().SetDialogs(std::make_unique<TQtDialogService>());
  const struct Restore {
    std::unique_ptr<TDialogService>& service;
    ~Restore() { Application().SetDialogs(std::move(service)); }
  } restore{recording};
  const std::vector<std::tuple<const char*, std::function<void()>, TModalResult>> closings = {
      {"OK button", [this] { QTest::mouseClick(ok->Widget(), Qt::LeftButton); }, mrOk},
      {"Escape", [this] { QTest::keyClick(edit->Widget(), Qt::Key_Escape); }, mrCancel},
      {"window's close button", [this] { form->Widget()->close(); }, mrCancel},
  };
  for (const auto& [name, close, expected] : closings) {
    SCOPED_TRACE(name);
    QTimer::singleShot(0, close);
    EXPECT_EQ(form->ShowModal(), expected);
    EXPECT_EQ(QGuiApplication::modalWindow(), nullptr);
    EXPECT_FALSE(form->Widget()->isVisible());
    EXPECT_FALSE(form->Visible());
  }
}

TEST_F(DialogForm, UncaughtErrorReachesTheMessageService) {
  ok->OnClick = [](TObject*) { throw EConvertError("'abc' is not a valid integer value"); };
  form->ShowForm();
  QTest::mouseClick(ok->Widget(), Qt::LeftButton);
  ASSERT_EQ(dialogs->errors.size(), 1u);
  EXPECT_EQ(dialogs->errors[0].first, "EConvertError");
  EXPECT_EQ(dialogs->errors[0].second, "'abc' is not a valid integer value");
  // The program goes on: the next click is handled as well.
  QTest::mouseClick(ok->Widget(), Qt::LeftButton);
  EXPECT_EQ(dialogs->errors.size(), 2u);
}

TEST_F(DialogForm, MessageBoxesGoThroughTheService) {
  dialogs->boxAnswer = IDYES;
  EXPECT_EQ(Application().MessageBox("Unable to assign value for A = b", "", MB_YESNO), IDYES);
  ASSERT_EQ(dialogs->boxes.size(), 1u);
  EXPECT_EQ(dialogs->boxes[0].text, "Unable to assign value for A = b");
}

TEST(Forms, OnCreateShowCloseAndDestroyInOrder) {
  std::vector<QString> log;
  class Logged : public TForm {
   public:
    explicit Logged(std::vector<QString>& log) : TForm(nullptr) {
      BeginLoading();
      OnCreate = [&log](TObject*) { log.push_back("create"); };
      OnShow = [&log](TObject*) { log.push_back("show"); };
      OnClose = [&log](TObject*, TCloseAction& action) {
        log.push_back("close");
        action = TCloseAction::caHide;
      };
      OnDestroy = [&log](TObject*) { log.push_back("destroy"); };
      FinishCreate();
    }
  };
  auto* form = new Logged(log);
  form->ShowForm();
  form->Close();
  EXPECT_FALSE(form->Visible());
  TComponent::Free(form);
  EXPECT_EQ(log, (std::vector<QString>{"create", "show", "close", "destroy"}));
}

}  // namespace
