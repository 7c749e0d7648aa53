#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "core/Pause.h"
#include "ui/BacksWindow.h"
#include "ui/CardPictures.h"
#include "ui/CardSlot.h"
#include "ui/MainWindow.h"
#include "ui/Palette.h"
#include "ui/QtEventPump.h"
#include "ui/Screen.h"

namespace velmora::ui {
namespace {

// Stands in for the chooser's rules: notes every event; a chosen back gets its frame (after a
// pause, when one is set), and OK unloads the window.
class RecordingBacks final : public BacksEvents {
 public:
  explicit RecordingBacks(QtEventPump& pump) : pump_(pump) {}

  void Form_Load(BacksView& window) override {
    view = &window;
    calls.push_back("load");
  }
  void img_Back_Click(Int16 index) override {
    calls.push_back("back " + std::to_string(index));
    view->SetBorder(index, true);
    if (pauseSeconds > 0.0f) {
      Delay(pump_, pauseSeconds);
      calls.push_back("back " + std::to_string(index) + " resumed");
    }
  }
  void cmd_Ok_Click() override {
    calls.push_back("ok");
    view->Unload();
  }
  void cmd_Cancel_Click() override { calls.push_back("cancel"); }
  void Form_Unload() override { calls.push_back("close box"); }

  BacksView* view = nullptr;
  std::vector<std::string> calls;
  float pauseSeconds = 0.0f;

 private:
  QtEventPump& pump_;
};

class DialogTest : public ::testing::Test {
 protected:
  DialogTest() : window(pump, pictures), events(pump) {}
  ~DialogTest() override {
    if (pump.Ending()) {
      // Ending leaves Qt refusing new event loops until the main loop runs once more.
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
      QCoreApplication::exec();
    }
  }

  static BacksWindow* OpenChooser() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->objectName() == QStringLiteral("frm_Backs") && w->isVisible()) {
        return static_cast<BacksWindow*>(w);
      }
    }
    return nullptr;
  }

  // Opens the chooser as the game does, runs `script` once it is up and returns the
  // milliseconds the modal call took. A chooser still open after five seconds fails the test.
  qint64 RunChooser(const std::function<void(BacksWindow&)>& script) {
    QPointer<BacksWindow> opened;
    QTimer::singleShot(0, [&] {
      opened = OpenChooser();
      ASSERT_NE(opened, nullptr);
      opened->activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(opened));
      script(*opened);
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
      ADD_FAILURE() << "the chooser is still open";
      if (opened) opened->Unload();
      pump.RequestEnd();
    });
    guard.start(5000);
    QElapsedTimer elapsed;
    elapsed.start();
    window.OpenBacks(events);
    return elapsed.elapsed();
  }

 public:
  CardPictures pictures;
  QtEventPump pump;
  MainWindow window;
  RecordingBacks events;
};

TEST_F(DialogTest, TheChooserShowsEachBackUnscaledAtItsTwipPositionAndTheButtonsBelow) {
  ASSERT_EQ(LogicalDpi(), 96.0) << "pixel figures below assume 15 twips a pixel";
  BacksWindow chooser(pump, pictures, events);
  EXPECT_EQ(chooser.windowTitle(), QStringLiteral("Select Card Back"));
  EXPECT_EQ(chooser.minimumSize(), QSize(515, 293));
  EXPECT_EQ(chooser.maximumSize(), QSize(515, 293));
  EXPECT_EQ(chooser.windowModality(), Qt::ApplicationModal);
  EXPECT_EQ(chooser.parentWidget(), nullptr);
  EXPECT_TRUE(chooser.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(chooser.windowFlags() &
               (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

  const struct {
    const char* name;
    QRect geometry;
  } controls[] = {
      {"img_Back_1", {24, 24, 74, 100}},    {"img_Back_2", {104, 24, 80, 100}},
      {"img_Back_3", {184, 24, 72, 100}},   {"img_Back_4", {264, 24, 75, 100}},
      {"img_Back_5", {344, 24, 70, 100}},   {"img_Back_6", {424, 24, 76, 100}},
      {"img_Back_7", {24, 128, 76, 101}},   {"img_Back_8", {104, 128, 76, 102}},
      {"img_Back_9", {184, 128, 77, 100}},  {"img_Back_10", {264, 128, 74, 100}},
      {"img_Back_11", {344, 128, 64, 100}}, {"img_Back_12", {416, 128, 84, 100}},
      {"cmd_Ok", {288, 240, 89, 25}},       {"cmd_Cancel", {384, 240, 89, 25}},
  };
  for (const auto& control : controls) {
    const QWidget* widget = chooser.findChild<QWidget*>(QString::fromLatin1(control.name));
    ASSERT_NE(widget, nullptr) << control.name;
    EXPECT_EQ(widget->geometry(), control.geometry) << control.name;
  }
  for (int i = 1; i <= BacksWindow::kBackCount; ++i) {
    const QImage shown = chooser.Back(i)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, pictures.Back(i).toImage().convertToFormat(QImage::Format_RGB32))
        << "back " << i << " is drawn pixel for pixel";
  }
}

TEST_F(DialogTest, TheChooserOpensWithOkFocusedAndKeysPressOnlyTheFocusedButton) {
  bool okFocused = false, cancelFocusedByTab = false, openAfterEsc = false;
  RunChooser([&](BacksWindow& chooser) {
    okFocused = chooser.focusWidget() == chooser.OkButton();
    QTest::keyClick(&chooser, Qt::Key_Escape);
    openAfterEsc = chooser.isVisible();
    QTest::keyClick(chooser.focusWidget(), Qt::Key_Tab);
    cancelFocusedByTab = chooser.focusWidget() == chooser.CancelButton();
    QTest::keyClick(chooser.focusWidget(), Qt::Key_Return);
    QTest::keyClick(chooser.focusWidget(), Qt::Key_Space);
    chooser.close();  // the close box
  });
  EXPECT_TRUE(okFocused);
  EXPECT_TRUE(openAfterEsc);
  EXPECT_TRUE(cancelFocusedByTab);
  EXPECT_EQ(events.calls, (std::vector<std::string>{"load", "cancel", "cancel", "close box"}));
  EXPECT_EQ(OpenChooser(), nullptr);
}

TEST_F(DialogTest, ClicksReachTheRulesAndAFrameRingsTheChosenBackUntilUnload) {
  const auto pixel = [](QWidget& w, QPoint at) { return w.grab().toImage().pixelColor(at); };
  QColor before, left, right, top, bottom, inside, hidden;
  QColor insideExpected = pictures.Back(4).toImage().pixelColor(0, 0);
  RunChooser([&](BacksWindow& chooser) {
    const QRect back = chooser.Back(4)->geometry();
    before = pixel(chooser, back.topLeft() - QPoint(1, 0));
    for (int i = 1; i <= BacksWindow::kBackCount; ++i) {
      QTest::mouseClick(chooser.Back(i), Qt::LeftButton);
    }
    const QImage shot = chooser.grab().toImage();
    left = shot.pixelColor(back.left() - 1, back.center().y());
    right = shot.pixelColor(back.right() + 1, back.center().y());
    top = shot.pixelColor(back.center().x(), back.top() - 1);
    bottom = shot.pixelColor(back.center().x(), back.bottom() + 1);
    inside = shot.pixelColor(back.topLeft());
    chooser.SetBackVisible(4, false);
    hidden = pixel(chooser, back.topLeft() - QPoint(1, 0));
    QTest::mouseClick(chooser.CancelButton(), Qt::LeftButton);
    QTest::mouseClick(chooser.OkButton(), Qt::LeftButton);
    QTest::mouseClick(chooser.CancelButton(), Qt::LeftButton);  // after Unload: not delivered
  });
  EXPECT_EQ(before, kNavy);
  for (const QColor& ring : {left, right, top, bottom}) {
    EXPECT_EQ(ring, BacksWindow::kBorderColour);
  }
  EXPECT_EQ(inside, insideExpected) << "the frame lies outside the picture";
  EXPECT_EQ(hidden, kNavy) << "a hidden back takes its frame with it";
  std::vector<std::string> expected{"load"};
  for (int i = 1; i <= BacksWindow::kBackCount; ++i)
    expected.push_back("back " + std::to_string(i));
  expected.insert(expected.end(), {"cancel", "ok"});
  EXPECT_EQ(events.calls, expected);
}

TEST_F(DialogTest, UnloadDuringAPausedHandlerClosesOnceTheHandlerReturns) {
  events.pauseSeconds = 0.1f;
  const qint64 ms = RunChooser([&](BacksWindow& chooser) {
    QTimer::singleShot(30, [&] { QTest::mouseClick(chooser.OkButton(), Qt::LeftButton); });
    QTimer::singleShot(60, [&] { QTest::mouseClick(chooser.Back(5), Qt::LeftButton); });
    QTest::mouseClick(chooser.Back(3), Qt::LeftButton);  // pauses 0.1 s inside the click
  });
  EXPECT_EQ(events.calls, (std::vector<std::string>{"load", "back 3", "ok", "back 3 resumed"}));
  EXPECT_GE(ms, 100);
  EXPECT_EQ(OpenChooser(), nullptr);
}

TEST_F(DialogTest, TheEndOfTheProgramClosesTheChooserAndUnwindsItsPausedHandler) {
  events.pauseSeconds = 3.0f;
  const qint64 ms = RunChooser([&](BacksWindow& chooser) {
    QTimer::singleShot(100, [this] { pump.RequestEnd(); });
    QTest::mouseClick(chooser.Back(2), Qt::LeftButton);
    QTest::mouseClick(chooser.OkButton(), Qt::LeftButton);  // the program has ended
  });
  EXPECT_LT(ms, 1000);
  EXPECT_EQ(events.calls, (std::vector<std::string>{"load", "back 2"}));
  EXPECT_EQ(OpenChooser(), nullptr);
}

}  // namespace
}  // namespace velmora::ui
