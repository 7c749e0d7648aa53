#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/Pause.h"
#include "core/Texts.h"
#include "ui/AboutBox.h"
#include "ui/BacksWindow.h"
#include "ui/CardPictures.h"
#include "ui/CardSlot.h"
#include "ui/MainWindow.h"
#include "ui/Palette.h"
#include "ui/QtEventPump.h"
#include "ui/RulesWindow.h"
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

  // Opens a help window as the game does and runs `script` on it once it is up; returns
  // whether the modal call had returned within two seconds.
  bool RunHelpWindow(Window which, const QString& name,
                     const std::function<void(QDialog&)>& script) {
    QPointer<QDialog> opened;
    QTimer::singleShot(0, [&] {
      opened = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(opened, nullptr);
      ASSERT_EQ(opened->objectName(), name);
      opened->activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(opened));
      script(*opened);
    });
    bool stuck = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
      stuck = true;
      if (opened) opened->reject();
    });
    guard.start(2000);
    window.OpenModal(which);
    return !stuck;
  }

 public:
  CardPictures pictures;
  QtEventPump pump;
  MainWindow window;
  RecordingBacks events;
};

// Each window: its title, a fixed size, modal, a close box only, and its controls where their
// twips put them; the chooser's backs pixel for pixel, the About box's icon ground and rule.
TEST_F(DialogTest, EverySecondaryWindowStandsAtItsTwipPositions) {
  ASSERT_EQ(LogicalDpi(), 96.0) << "pixel figures below assume 15 twips a pixel";
  BacksWindow chooser(pump, pictures, events);
  RulesWindow rules(pictures, &window);
  AboutBox about(pictures, &window);
  using Controls = std::vector<std::pair<const char*, QRect>>;
  const struct {
    QDialog* dialog;
    const char* title;
    QSize size;
    Controls controls;
  } windows[] = {
      {&chooser,
       "Select Card Back",
       {515, 293},
       {{"img_Back_1", {24, 24, 74, 100}},
        {"img_Back_2", {104, 24, 80, 100}},
        {"img_Back_3", {184, 24, 72, 100}},
        {"img_Back_4", {264, 24, 75, 100}},
        {"img_Back_5", {344, 24, 70, 100}},
        {"img_Back_6", {424, 24, 76, 100}},
        {"img_Back_7", {24, 128, 76, 101}},
        {"img_Back_8", {104, 128, 76, 102}},
        {"img_Back_9", {184, 128, 77, 100}},
        {"img_Back_10", {264, 128, 74, 100}},
        {"img_Back_11", {344, 128, 64, 100}},
        {"img_Back_12", {416, 128, 84, 100}},
        {"cmd_Ok", {288, 240, 89, 25}},
        {"cmd_Cancel", {384, 240, 89, 25}}}},
      {&rules, "How to Play", {545, 421}, {{"btn_OK", {240, 384, 73, 25}}}},
      {&about,
       "About",
       {493, 324},
       {{"picIcon", {8, 8, 64, 64}},
        {"lblTitle", {112, 8, 377, 32}},
        {"Label1", {360, 40, 129, 17}},
        {"cmdOK", {328, 296, 78, 23}}}},
  };
  for (const auto& w : windows) {
    SCOPED_TRACE(w.title);
    EXPECT_EQ(w.dialog->windowTitle(), QString::fromLatin1(w.title));
    EXPECT_EQ(w.dialog->minimumSize(), w.size);
    EXPECT_EQ(w.dialog->maximumSize(), w.size);
    EXPECT_EQ(w.dialog->windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(w.dialog->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(w.dialog->windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    for (const auto& [name, geometry] : w.controls) {
      const QWidget* widget = w.dialog->findChild<QWidget*>(QString::fromLatin1(name));
      ASSERT_NE(widget, nullptr) << name;
      EXPECT_EQ(widget->geometry(), geometry) << name;
    }
  }
  for (int i = 1; i <= BacksWindow::kBackCount; ++i) {
    const QImage shown = chooser.Back(i)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, pictures.Back(i).toImage().convertToFormat(QImage::Format_RGB32))
        << "back " << i << " is drawn pixel for pixel";
  }
  const QImage shot = about.grab().toImage();
  EXPECT_EQ(shot.pixelColor(8, 8), AboutBox::kIconGround) << "the icon's corner shows its ground";
  EXPECT_EQ(shot.pixelColor(240, 280), kWhite) << "the rule runs across at 4200 twips";
  EXPECT_EQ(shot.pixelColor(240, 284), kNavy);
  // A screen reader opening the About box reads its name and each label of three words or more;
  // every line of text must be heard.
  QAccessibleInterface* box = QAccessible::queryAccessibleInterface(&about);
  for (int c = 0; c < box->childCount(); ++c) {
    const QString line = box->child(c)->text(QAccessible::Name);
    EXPECT_TRUE(box->child(c)->role() != QAccessible::StaticText || line.split(' ').size() >= 3 ||
                box->text(QAccessible::Name).contains(line));
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

// The backs are one Tab stop after OK and Cancel, the one last focused, and the arrows move
// among them as they lie in two rows of six; Esc moves nothing and closes nothing.
TEST_F(DialogTest, KeysMoveTheFocusAmongTheBacksAsTheyLie) {
  const struct {
    const char* from;
    Qt::Key key;
    const char* to;
  } moves[] = {
      {"cmd_Cancel", Qt::Key_Tab, "img_Back_1"},     {"img_Back_1", Qt::Key_Backtab, "cmd_Cancel"},
      {"img_Back_7", Qt::Key_Tab, "cmd_Ok"},         {"cmd_Cancel", Qt::Key_Tab, "img_Back_7"},
      {"img_Back_9", Qt::Key_Backtab, "cmd_Cancel"}, {"img_Back_1", Qt::Key_Left, "img_Back_1"},
      {"img_Back_1", Qt::Key_Right, "img_Back_2"},   {"img_Back_6", Qt::Key_Right, "img_Back_7"},
      {"img_Back_7", Qt::Key_Left, "img_Back_6"},    {"img_Back_12", Qt::Key_Right, "img_Back_12"},
      {"img_Back_3", Qt::Key_Down, "img_Back_9"},    {"img_Back_9", Qt::Key_Up, "img_Back_3"},
      {"img_Back_4", Qt::Key_Up, "img_Back_4"},      {"img_Back_8", Qt::Key_Escape, "img_Back_8"},
  };
  RunChooser([&](BacksWindow& chooser) {
    for (const auto& m : moves) {
      chooser.findChild<QWidget*>(QString::fromLatin1(m.from))->setFocus();
      QTest::keyClick(chooser.focusWidget(), m.key);
      EXPECT_EQ(chooser.focusWidget()->objectName().toStdString(), m.to) << m.from << " " << m.key;
    }
    chooser.close();
  });
  EXPECT_EQ(events.calls, (std::vector<std::string>{"load", "close box"})) << "keys chose nothing";
}

// Space or Enter on a focused back is a click on it (Enter presses no button): the same events
// and frames. A screen reader hears the framed back as the selected one, by number and picture.
TEST_F(DialogTest, SpaceOnAFocusedBackIsAClickOnIt) {
  const std::vector<int> choices{4, 4, 11, 2, 12};
  std::vector<std::string> calls[2];
  std::vector<std::vector<int>> framed[2];
  std::set<QString> pictures;
  for (const bool byKeys : {false, true}) {
    events.calls.clear();
    RunChooser([&](BacksWindow& chooser) {
      for (int k : choices) {
        if (byKeys) chooser.Back(k)->setFocus();
        if (byKeys) QTest::keyClick(chooser.focusWidget(), k % 2 ? Qt::Key_Return : Qt::Key_Space);
        if (!byKeys) QTest::mouseClick(chooser.Back(k), Qt::LeftButton);
        EXPECT_EQ(chooser.focusWidget(), byKeys ? chooser.Back(k) : chooser.OkButton());
        framed[byKeys].emplace_back();
        for (int i = 1; i <= BacksWindow::kBackCount; ++i) {
          QAccessibleInterface* back = QAccessible::queryAccessibleInterface(chooser.Back(i));
          EXPECT_EQ(back->role(), QAccessible::RadioButton);
          EXPECT_EQ(back->state().selected && back->state().checked, chooser.HasBorder(i)) << i;
          if (chooser.HasBorder(i)) framed[byKeys].back().push_back(i);
          const QString name = back->text(QAccessible::Name);
          EXPECT_TRUE(name.startsWith(QStringLiteral("Card back %1, ").arg(i))) << i;
          pictures.insert(name.section(QStringLiteral(", "), 1));
        }
      }
      chooser.CancelButton()->setFocus();  // Tab from there reaches the back last chosen
      QTest::keyClick(chooser.focusWidget(), Qt::Key_Tab);
      EXPECT_EQ(chooser.focusWidget(), chooser.Back(choices.back()));
      chooser.close();
    });
    calls[byKeys] = events.calls;
  }
  EXPECT_EQ(calls[1], calls[0]);
  EXPECT_EQ(framed[1], framed[0]);
  EXPECT_EQ(framed[1].back(), (std::vector<int>{2, 4, 11, 12}));
  EXPECT_EQ(pictures.size(), 12u) << "each back says what it shows";
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

// Rows of the image that hold any of the white text's ink (navy has no red).
std::vector<bool> InkedRows(const QImage& image, int rows) {
  std::vector<bool> inked(static_cast<std::size_t>(rows), false);
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < image.width() && !inked[static_cast<std::size_t>(y)]; ++x) {
      inked[static_cast<std::size_t>(y)] = image.pixelColor(x, y).red() > 96;
    }
  }
  return inked;
}

TEST_F(DialogTest, TheRulesArePrintedOneLineHeightApartFromTheTopAndRepaintInPlace) {
  RulesWindow rules(pictures, &window);
  const int line = rules.LineHeight();
  const int okTop = rules.findChild<QWidget*>(QStringLiteral("btn_OK"))->y();
  ASSERT_EQ(okTop, 384);
  ASSERT_LE(23 * line, okTop) << "the text must end above the button for this check";

  const QImage first = rules.grab().toImage();
  const std::vector<bool> inked = InkedRows(first, okTop);
  for (int i = 0; i < 23; ++i) {
    bool any = false;
    for (int y = i * line; y < (i + 1) * line; ++y) any = any || inked[static_cast<std::size_t>(y)];
    EXPECT_EQ(any, *text::kRules[i] != '\0') << "line " << i << " (" << text::kRules[i] << ")";
  }
  for (int y = 23 * line; y < okTop; ++y) {
    EXPECT_FALSE(inked[static_cast<std::size_t>(y)]) << "nothing wraps onto row " << y;
  }
  EXPECT_EQ(rules.grab().toImage(), first) << "a second paint prints in the same place";
  // A screen reader reviews the rules line by line: one label over each printed line.
  QAccessibleInterface* text = QAccessible::queryAccessibleInterface(&rules);
  ASSERT_EQ(text->childCount(), 24) << "23 lines, then OK";
  for (int i = 0; i < 23; ++i) {
    EXPECT_EQ(text->child(i)->role(), QAccessible::StaticText);
    EXPECT_EQ(text->child(i)->text(QAccessible::Name), QString::fromLatin1(text::kRules[i])) << i;
    EXPECT_EQ(static_cast<QWidget*>(text->child(i)->object())->geometry(),
              QRect(0, i * line, 545, line));
  }
}

TEST_F(DialogTest, TheHelpWindowsCloseWithTheirButtonsAndKeys) {
  const auto click = [](const char* button) {
    return [button](QDialog& d) {
      QTest::mouseClick(d.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    };
  };
  const auto key = [](Qt::Key k) {
    return [k](QDialog& d) { QTest::keyClick(d.focusWidget(), k); };
  };
  const auto closeBox = [](QDialog& d) { d.close(); };
  const struct {
    Window which;
    const char* name;
    const char* how;
    std::function<void(QDialog&)> close;
  } cases[] = {
      {Window::Rules, "frm_Rules", "OK", click("btn_OK")},
      {Window::Rules, "frm_Rules", "Enter", key(Qt::Key_Return)},
      {Window::Rules, "frm_Rules", "close box", closeBox},
      {Window::About, "frm_AboutBox", "OK", click("cmdOK")},
      {Window::About, "frm_AboutBox", "Enter", key(Qt::Key_Return)},
      {Window::About, "frm_AboutBox", "Esc", key(Qt::Key_Escape)},
      {Window::About, "frm_AboutBox", "close box", closeBox},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(RunHelpWindow(c.which, QString::fromLatin1(c.name), c.close))
        << c.name << " stayed open after " << c.how;
  }
}

}  // namespace
}  // namespace velmora::ui
