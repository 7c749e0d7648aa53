#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <ctime>
#include <fstream>
#include <functional>
#include <utility>
#include <vector>

#include "core/Texts.h"
#include "core/Twips.h"
#include "engine/Game.h"
#include "support/FakeSettingsHost.h"
#include "support/ScratchFolder.h"
#include "ui/CardPictures.h"
#include "ui/CardSlot.h"
#include "ui/MainWindow.h"
#include "ui/Narrator.h"
#include "ui/QtEventPump.h"
#include "ui/Screen.h"

namespace velmora::ui {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest()
      : random_([] { return 42u; }),
        window(pump, pictures),
        game(window, pump, random_, host_, folder_.Path().string()) {
    std::ofstream(folder_ / "velmora.ini") << "[Deck]\nBack=3\n";
    window.SetEvents(&game);
    game.Form_Initialize();
    game.Form_Load();
  }
  ~MainWindowTest() override {
    if (pump.Ending()) {
      // Ending leaves Qt refusing new event loops until the main loop runs once more.
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
      QCoreApplication::exec();
    }
  }

  QStringList Captions(const QList<QAction*>& actions) {
    QStringList captions;
    for (const QAction* action : actions) {
      captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return captions;
  }

  testing::ScratchFolder folder_;
  ClockSeededRandom random_;
  testing::FakeSettingsHost host_;

 public:
  CardPictures pictures;
  QtEventPump pump;
  MainWindow window;
  Game game;
};

TEST_F(MainWindowTest, BoardAndPanelStandAtTheirTwipPositions) {
  ASSERT_EQ(LogicalDpi(), 96.0) << "pixel figures below assume 15 twips a pixel";
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Velmora Concentration"));
  EXPECT_EQ(window.centralWidget()->size(), QSize(722, 514));
  EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the window cannot be resized";
  EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);

  EXPECT_EQ(window.Slot(1)->geometry(), QRect(14, 8, 57, 93));  // Left 204
  EXPECT_EQ(window.Slot(12)->geometry().topLeft(), QPoint(14, 104));
  EXPECT_EQ(window.Slot(23)->geometry().topLeft(), QPoint(14, 200));
  EXPECT_EQ(window.Slot(34)->geometry().topLeft(), QPoint(16, 296));  // Left 240 from row 4
  EXPECT_EQ(window.Slot(2)->geometry(), QRect(80, 8, 58, 93));
  EXPECT_EQ(window.Slot(11)->geometry().topLeft(), QPoint(656, 8));  // Left 9840
  EXPECT_EQ(window.Slot(52)->geometry(), QRect(464, 392, 58, 93));   // eighth of row 5
  EXPECT_EQ(window.Slot(45)->geometry().topLeft(), QPoint(16, 392));

  EXPECT_EQ(window.DealButton()->geometry(), TwipRect(9480, 6000, 1212, 372));
  EXPECT_EQ(window.LabelWidget(Label::Clock)->geometry(), QRect(624, 432, 65, 17));
  // The status label sits in a strip below the last row, inside the client area.
  // The box as laid out: the room above it is for an accent over a capital.
  const QLabel* matchLabel = window.LabelWidget(Label::Match);
  const QRect match = matchLabel->geometry().marginsRemoved(matchLabel->contentsMargins());
  EXPECT_EQ(match, TwipRect(7200, MainWindow::kMatchTop, 1740, 192));
  EXPECT_GT(match.top(), window.Slot(52)->geometry().bottom());
  EXPECT_LE(match.bottom(), window.centralWidget()->height());
}

TEST_F(MainWindowTest, MenusCarryTheirCaptionsShortcutsAndCheckMarks) {
  const QList<QAction*> top = window.menuBar()->actions();
  EXPECT_EQ(Captions(top), (QStringList{"&File", "&Options", "&Help"}));
  EXPECT_EQ(Captions(top[0]->menu()->actions()),
            (QStringList{"&New Game", "-", "&Hint", "-", "E&xit"}));
  EXPECT_EQ(Captions(top[1]->menu()->actions()),
            (QStringList{"&Select Game", "-", "&Levels", "-", "&Change Deck ..."}));
  EXPECT_EQ(Captions(top[2]->menu()->actions()),
            (QStringList{"&How To Play", "-", "&About Velmora Concentration ..."}));
  EXPECT_EQ(Captions(top[1]->menu()->actions()[0]->menu()->actions()),
            (QStringList{"Computer", "Practice"}));
  EXPECT_EQ(Captions(top[1]->menu()->actions()[2]->menu()->actions()),
            (QStringList{"Beginner", "Intermediate", "Advanced"}));

  EXPECT_EQ(window.MenuAction("mnu_NewGame")->shortcut(), QKeySequence(Qt::Key_F2));
  EXPECT_EQ(window.MenuAction("mnu_Hint")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
  for (const char* name : {"mnu_Computer", "mnu_Intermediate"}) {
    EXPECT_TRUE(window.MenuAction(name)->isChecked()) << name;
  }
  for (const char* name : {"mnu_Practice", "mnu_Beginner", "mnu_Advanced"}) {
    EXPECT_FALSE(window.MenuAction(name)->isChecked()) << name;
  }
}

TEST_F(MainWindowTest, TheCheckMarksAreTheGamesToSetNotTheMenus) {
  window.MenuAction("mnu_Practice")->trigger();
  window.MenuAction("mnu_Computer")->trigger();
  for (auto [name, item] : {std::pair{"mnu_Practice", MenuItem::Practice},
                            std::pair{"mnu_Computer", MenuItem::Computer}}) {
    EXPECT_EQ(window.MenuAction(name)->isChecked(), window.IsChecked(item)) << name;
  }
}

TEST_F(MainWindowTest, LoadShowsADealtBoardAndTheStartingCaptions) {
  const auto text = [this](Label label) { return window.LabelWidget(label)->text(); };
  EXPECT_EQ(text(Label::PotComputer), " 0");
  EXPECT_EQ(text(Label::PotPlayer), " 0");
  EXPECT_EQ(text(Label::Level), "Intermediate");
  EXPECT_EQ(text(Label::GameMode), "Computer");
  EXPECT_EQ(text(Label::Clock), "00:00:00");
  EXPECT_EQ(text(Label::Match), "");
  EXPECT_EQ(text(Label::Counter), "0");
  EXPECT_TRUE(window.LabelWidget(Label::Counter)->isHidden());
  EXPECT_TRUE(window.DealButton()->isEnabled());
  EXPECT_EQ(window.Timer1().interval(), 1000);
  EXPECT_FALSE(window.Timer1().isActive());
  for (int s = 1; s <= 52; ++s) {
    EXPECT_EQ(window.Slot(s)->Picture().cacheKey(), pictures.Back(3).cacheKey()) << s;
  }
}

TEST_F(MainWindowTest, F2StartsANewGameAtOnce) {
  window.ShowCentred();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  game.state().Scores = {2, 5};
  game.ShowScores();
  window.ClearSlot(7);
  QTest::keyClick(&window, Qt::Key_F2);
  EXPECT_EQ(window.LabelWidget(Label::PotPlayer)->text(), " 0");
  EXPECT_EQ(window.Slot(7)->Picture().cacheKey(), pictures.Back(3).cacheKey());
}

// Esc, pressed on the notice, must not cut it short either.
TEST_F(MainWindowTest, DealShowsTheCentredNoticeForThreeSecondsThenDeals) {
  window.ShowCentred();
  game.state().Scores = {2, 5};
  game.ShowScores();
  QString title, scoreDuringNotice;
  QRect noticeGeometry, noticeClient;
  QTimer::singleShot(1500, [&] {
    QWidget* notice = QApplication::activeModalWidget();
    ASSERT_NE(notice, nullptr);
    title = notice->windowTitle();
    noticeGeometry = notice->frameGeometry();
    noticeClient = notice->geometry();
    scoreDuringNotice = window.LabelWidget(Label::PotPlayer)->text();
    QTest::keyClick(notice, Qt::Key_Escape);
  });
  QElapsedTimer elapsed;
  elapsed.start();
  QTest::mouseClick(window.DealButton(), Qt::LeftButton);
  const qint64 ms = elapsed.elapsed();
  EXPECT_GE(ms, 3000);
  EXPECT_LT(ms, 4500);
  EXPECT_EQ(title, QStringLiteral("Shuffling"));
  EXPECT_EQ(scoreDuringNotice, " 5") << "the board is reset only after the notice";
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(noticeClient.size(), QSize(385, 66));
  const int left = CentredOrigin(screen.width() * 15.0, noticeGeometry.width() * 15.0);
  const int top = CentredOrigin(screen.height() * 15.0, noticeGeometry.height() * 15.0);
  EXPECT_EQ(noticeGeometry.topLeft(), QPoint(TwipsToPixels(left, 96), TwipsToPixels(top, 96)));
  EXPECT_EQ(window.LabelWidget(Label::PotPlayer)->text(), " 0");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainWindowTest, ExitDuringTheNoticeEndsAtOnceWithoutDealing) {
  window.ShowCentred();
  game.state().Scores = {2, 5};
  game.ShowScores();
  QTimer::singleShot(500, [this] { window.MenuAction("mnu_Exit")->trigger(); });
  QElapsedTimer elapsed;
  elapsed.start();
  QTest::mouseClick(window.DealButton(), Qt::LeftButton);
  EXPECT_LT(elapsed.elapsed(), 2000);
  EXPECT_TRUE(pump.Ending());
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.LabelWidget(Label::PotPlayer)->text(), " 5");
}

TEST_F(MainWindowTest, TheTimerAdvancesThePracticeClockOnceASecond) {
  window.ShowCentred();
  window.SetChecked(MenuItem::Practice, true);
  window.MenuAction("mnu_NewGame")->trigger();
  ASSERT_EQ(game.state().PracticeMode, kTrue) << "the new game takes its mode from the check";
  game.state().GameInProgress = kTrue;  // as the first card turned sets it
  game.clock().StartClockDisplay();
  QLabel* clock = window.LabelWidget(Label::Clock);
  ASSERT_EQ(clock->text(), "00:00:01");
  QElapsedTimer elapsed;
  elapsed.start();
  for (const char* next : {"00:00:02", "00:00:03"}) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return clock->text() == next; }, 2500)) << next;
    const qint64 ms = elapsed.restart();
    EXPECT_GE(ms, 900) << next;
    EXPECT_LE(ms, 1600) << next;
  }
}

// A modal window takes the keyboard when it opens. Without a window manager nothing hands it
// back when the window closes, and the menus' access keys and the shortcuts would go deaf.
TEST_F(MainWindowTest, EveryModalWindowGivesTheKeyboardBackToTheMainWindow) {
  window.ShowCentred();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  const std::pair<const char*, std::function<void()>> modals[] = {
      {"Shuffling", [this] { game.btn_Deal_Click(); }},
      {"How to Play", [this] { game.mnu_Rules_Click(); }},
      {"About", [this] { game.mnu_About_Click(); }},
      {"Select Card Back", [this] { game.mnu_ChangeDeck_Click(); }},
      {"Mindflip", [this] { window.ShowMessage(text::kMustDeal, kStyleInformation, "Mindflip"); }},
  };
  for (const auto& [title, open] : modals) {
    QString shown;
    QTimer::singleShot(200, [&shown] {
      QWidget* modal = QApplication::activeModalWidget();
      ASSERT_NE(modal, nullptr);
      shown = modal->windowTitle();
      modal->close();  // its close box
    });
    open();
    ASSERT_EQ(shown, title);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }, 1000))
        << title;
    QSignalSpy newGame(window.MenuAction("mnu_NewGame"), &QAction::triggered);
    QSignalSpy hint(window.MenuAction("mnu_Hint"), &QAction::triggered);
    QTest::keyClick(&window, Qt::Key_F2);
    QTest::keyClick(&window, Qt::Key_H, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(newGame.count(), 1) << "F2 after " << title;
    EXPECT_EQ(hint.count(), 1) << "Ctrl+H after " << title;
    QWidget* menu = QApplication::activePopupWidget();
    EXPECT_EQ(menu ? menu->objectName() : QString(), "mnu_File") << "Alt+F after " << title;
    if (menu) menu->close();
  }
}

// Tab and Shift+Tab go between Deal and the board; the arrows, Home and End walk the slots as
// they lie, rows of 11 and a last row of 8. Only a focused slot wears the ring.
TEST_F(MainWindowTest, KeysWalkTheBoardAsTheSlotsLie) {
  window.ShowCentred();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  const auto focused = [] { return QApplication::focusWidget(); };
  const auto ringed = [this](int s) {
    return window.Slot(s)->grab().toImage().pixelColor(1, 1) == QColor(255, 255, 0);
  };
  ASSERT_EQ(focused(), window.DealButton()) << "Deal has the keyboard at start-up";
  QTest::mouseClick(window.Slot(9), Qt::LeftButton);
  EXPECT_EQ(focused(), window.DealButton()) << "a click moves no focus";
  EXPECT_FALSE(ringed(9));
  QTest::keyClick(focused(), Qt::Key_Tab);
  EXPECT_EQ(focused(), window.Slot(1)) << "the board is entered at slot 1 the first time";
  EXPECT_TRUE(ringed(1));
  const struct {
    int from;
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    int to;
  } moves[] = {
      {1, Qt::Key_Left, {}, 1},
      {11, Qt::Key_Right, {}, 12},
      {12, Qt::Key_Left, {}, 11},
      {52, Qt::Key_Right, {}, 52},
      {5, Qt::Key_Up, {}, 5},
      {5, Qt::Key_Down, {}, 16},
      {41, Qt::Key_Down, {}, 52},
      {42, Qt::Key_Down, {}, 52},
      {44, Qt::Key_Down, {}, 52},
      {50, Qt::Key_Down, {}, 50},
      {50, Qt::Key_Up, {}, 39},
      {30, Qt::Key_Home, {}, 23},
      {30, Qt::Key_End, {}, 33},
      {47, Qt::Key_End, {}, 52},
      {30, Qt::Key_Home, Qt::ControlModifier, 1},
      {3, Qt::Key_End, Qt::ControlModifier, 52},
  };
  for (const auto& move : moves) {
    window.Slot(move.from)->setFocus();
    QTest::keyClick(window.Slot(move.from), move.key, move.mods);
    EXPECT_EQ(focused(), window.Slot(move.to)) << move.from << " key " << move.key;
  }
  QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(focused(), window.DealButton());
  EXPECT_FALSE(ringed(52));
  QTest::keyClick(focused(), Qt::Key_Tab);
  EXPECT_EQ(focused(), window.Slot(52)) << "the board is entered where the focus left it";
}

// A key press on a slot goes through the click's own handler, so the turn decides as for a
// click: refused in the computer's turn, the reminder once the game is over, a card otherwise.
TEST_F(MainWindowTest, SpaceAndEnterOnASlotDoWhatAClickDoes) {
  window.ShowCentred();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  window.Slot(7)->setFocus();
  const qint64 back = pictures.Back(3).cacheKey();
  game.state().PlayersTurn = 0;
  QTest::keyClick(window.Slot(7), Qt::Key_Space);
  EXPECT_EQ(window.Slot(7)->Picture().cacheKey(), back) << "the computer's turn refuses it";
  game.state().MustDeal = kTrue;
  QString message;
  QTimer::singleShot(200, [&message] {
    QWidget* box = QApplication::activeModalWidget();
    ASSERT_NE(box, nullptr);
    message = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
    box->close();
  });
  QTest::keyClick(window.Slot(7), Qt::Key_Return);
  EXPECT_EQ(message, QString::fromLatin1(text::kMustDeal));
  game.state().MustDeal = kFalse;
  game.state().PlayersTurn = 1;
  QTest::keyClick(window.Slot(7), Qt::Key_Enter);
  EXPECT_NE(window.Slot(7)->Picture().cacheKey(), back) << "the player's turn shows its face";
}

// A game's bursts of view operations, in order, and what a listener hears after each: what
// changed, once, with who did it read from the status line and the score that rose.
TEST(NarratorTest, EachBurstIsSaidOnceInThePlayersOrder) {
  Narrator narrator;
  const auto status = [&](const char* text) { narrator.CaptionSet(Label::Match, text); };
  const std::pair<std::function<void()>, QString> steps[] = {
      {[&] { narrator.Dealt(); }, "New deal."},
      {[&] { narrator.FaceShown(12, "king of clubs"); }, "You turn card 12, king of clubs."},
      {[&] {
         narrator.FaceShown(30, "two of hearts");
         narrator.BackShown(12);
         narrator.BackShown(30);
         status("Computer's Turn!");
       },
       "You turn card 30, two of hearts. Cards 12 and 30 turn face down. Computer's Turn!"},
      {[&] { narrator.FaceShown(5, "king of spades"); }, "Computer turns card 5, king of spades."},
      {[&] {
         narrator.FaceShown(12, "king of clubs");
         narrator.Cleared(5);
         narrator.Cleared(12);
         narrator.CaptionSet(Label::PotComputer, " 1");
         narrator.CaptionSet(Label::PotPlayer, " 0");
       },
       "Computer turns card 12, king of clubs. Computer takes the pair, cards 5 and 12. "
       "Computer, 1 pair. Player, 0 pairs."},
      {[&] { status("Computer's Turn!"); }, ""},
      {[&] {
         narrator.HintShown(31, "queen of hearts");
         narrator.BackShown(31);
         status("Your Turn!");
       },
       "Hint: card 31, queen of hearts. Your Turn!"},
      {[&] { narrator.Cleared(5); }, ""},
      {[&] {
         narrator.FaceShown(1, "ace of spades");
         narrator.FaceShown(2, "ace of clubs");
         narrator.Cleared(1);
         narrator.Cleared(2);
         narrator.CaptionSet(Label::PotPlayer, " 3");
         status("You Win!");
       },
       "You turn card 1, ace of spades. You turn card 2, ace of clubs. You take the pair, cards "
       "1 and 2. Computer, 1 pair. Player, 3 pairs. You Win!"},
      {[&] { narrator.Dealt(); }, "New deal."},
  };
  for (const auto& [step, heard] : steps) {
    step();
    EXPECT_EQ(narrator.Take().toStdString(), heard.toStdString());
  }
}

double ProcessCpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

TEST_F(MainWindowTest, PausesHandleEventsWithoutSpinning) {
  bool handled = false;
  QTimer::singleShot(100, [&] { handled = true; });
  QElapsedTimer elapsed;
  elapsed.start();
  const double cpuBefore = ProcessCpuSeconds();
  game.Delay(0.5f);
  const double cpu = ProcessCpuSeconds() - cpuBefore;
  EXPECT_TRUE(handled);
  EXPECT_GE(elapsed.elapsed(), 499);
  EXPECT_LT(elapsed.elapsed(), 900);
  EXPECT_LT(cpu, 0.1) << "a pause must sleep between events";
}

}  // namespace
}  // namespace velmora::ui

namespace velmora::ui {
namespace {

// Stands in for the game: notes which slots the window reports clicked.
class SlotClicks final : public MainEvents {
 public:
  void img_Cards_Click(Int16 slot) override { clicked.push_back(slot); }
  void btn_Deal_Click() override { ++others; }
  void Timer1_Timer() override { ++others; }
  void Form_Unload() override { ++others; }
  void mnu_NewGame_Click() override { ++others; }
  void mnu_Hint_Click() override { ++others; }
  void mnu_Exit_Click() override { ++others; }
  void mnu_Computer_Click() override { ++others; }
  void mnu_Practice_Click() override { ++others; }
  void mnu_Beginner_Click() override { ++others; }
  void mnu_Intermediate_Click() override { ++others; }
  void mnu_Advanced_Click() override { ++others; }
  void mnu_ChangeDeck_Click() override { ++others; }
  void mnu_Rules_Click() override { ++others; }
  void mnu_About_Click() override { ++others; }

  std::vector<Int16> clicked;
  int others = 0;
};

// The window alone, shown, with its events noted instead of played.
class MainWindowSlotsTest : public ::testing::Test {
 protected:
  MainWindowSlotsTest() : window(pump, pictures) {
    window.SetEvents(&events);
    window.ShowCentred();
  }
  CardPictures pictures;
  QtEventPump pump;
  SlotClicks events;  // outlives the window that reports to it
  MainWindow window;
};

// Every slot answers a click, also when empty. To assistive tools each is a button named for
// what a player sees, never the face of a face-down card, whose press acts as a click.
TEST_F(MainWindowSlotsTest, EverySlotTakesClicksAndPressesAndSaysWhatItShows) {
  QAccessibleInterface* slot = QAccessible::queryAccessibleInterface(window.Slot(12));
  ASSERT_NE(slot, nullptr);
  EXPECT_EQ(slot->role(), QAccessible::Button);
  EXPECT_EQ(slot->text(QAccessible::Name), "Card 12, empty");
  for (Int16 s = 1; s <= kCardCount; ++s) window.ShowBack(s, 1);
  EXPECT_EQ(slot->text(QAccessible::Name), "Card 12, face down");
  for (const auto& [cardNo, name] :
       std::vector<std::pair<Int16, QString>>{{1, "ace of spades"},
                                              {10, "ten of spades"},
                                              {26, "king of diamonds"},
                                              {51, "queen of hearts"},
                                              {52, "king of hearts"}}) {
    window.ShowFace(12, cardNo);
    EXPECT_EQ(slot->text(QAccessible::Name), "Card 12, " + name);
  }
  window.ClearSlot(20);  // a taken card leaves its slot empty, and the slot still answers
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window.Slot(20))->text(QAccessible::Name),
            "Card 20, empty");
  EXPECT_EQ(window.Slot(12)->focusPolicy(), Qt::TabFocus) << "keys reach a slot; clicks do not";

  std::vector<Int16> expected;
  for (Int16 s = 1; s <= kCardCount; ++s) {
    QTest::mouseClick(window.Slot(s), Qt::LeftButton);
    expected.push_back(s);
  }
  QTest::mouseClick(window.Slot(20), Qt::LeftButton);
  ASSERT_NE(slot->actionInterface(), nullptr);
  EXPECT_TRUE(
      slot->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
  slot->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  expected.insert(expected.end(), {20, 12});
  EXPECT_EQ(events.clicked, expected);
  EXPECT_EQ(events.others, 0);
}

// Presses arrive as clicks do, one each, also while a handler waits in a pause; a held key
// is one press, and other keys press nothing.
TEST_F(MainWindowSlotsTest, KeyPressesOnASlotReachTheClickHandlerAsClicksDo) {
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  window.Slot(30)->setFocus();
  QTimer::singleShot(50, [&] {
    QTest::keyClick(window.Slot(30), Qt::Key_Space);  // inside the pause below
    QTest::mouseClick(window.Slot(30), Qt::LeftButton);
  });
  pump.HandleEventsUntil(pump.Now() + 0.3);
  for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_A, Qt::Key_Escape}) {
    QTest::keyClick(window.Slot(30), key);
  }
  QKeyEvent held(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
  QApplication::sendEvent(window.Slot(30), &held);
  EXPECT_EQ(events.clicked, (std::vector<Int16>{30, 30, 30, 30, 30}));
  EXPECT_EQ(events.others, 0);
}

TEST_F(MainWindowTest, TheCloseBoxDuringAPauseEndsTheProgramPromptly) {
  window.ShowCentred();
  game.state().Scores = {1, 2};
  game.ShowScores();
  QTimer::singleShot(200, [this] { window.close(); });
  QElapsedTimer elapsed;
  elapsed.start();
  EXPECT_THROW(game.Delay(2.0f), GameEnded) << "the paused handler must not resume";
  EXPECT_LT(elapsed.elapsed(), 1000);
  EXPECT_TRUE(pump.Ending());
  EXPECT_FALSE(window.isVisible());
  // Any later event is refused rather than run against a closing window.
  window.MenuAction("mnu_NewGame")->trigger();
  EXPECT_EQ(window.LabelWidget(Label::PotPlayer)->text(), " 2");
}

}  // namespace
}  // namespace velmora::ui
