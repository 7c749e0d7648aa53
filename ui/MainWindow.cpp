#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <optional>

#include "ui/AboutBox.h"
#include "ui/BacksWindow.h"
#include "ui/BoardKeys.h"
#include "ui/CardPictures.h"
#include "ui/CardSlot.h"
#include "ui/FocusMark.h"
#include "ui/Fonts.h"
#include "ui/Language.h"
#include "ui/Palette.h"
#include "ui/QtEventPump.h"
#include "ui/RulesWindow.h"
#include "ui/Screen.h"
#include "ui/ShuffleNotice.h"
#include "ui/SpokenWidgets.h"
#include "ui/WindowEvents.h"
#include "ui/WindowPlacement.h"

namespace velmora::ui {

namespace {

constexpr double kWindowFontPoints = 9.6;
constexpr double kSmallFontPoints = 7.8;
constexpr double kClockFontPoints = 10.8;

// A caption of the panel. An accent over a capital ("Ü", "À", "Ś", "Ї") rises above the line the
// panel's boxes were laid out for, and a label clips its text to its contents. This one grows
// upwards by that much and draws its text unclipped, so the text stays where it was laid out and
// the accent shows whole.
class Caption final : public QLabel {
 public:
  Caption(const QString& text, QWidget* parent) : QLabel(text, parent) {}

  void GiveHeadroom() {
    const QFontMetrics metrics(font());
    const QRect accents = metrics.tightBoundingRect(QStringLiteral("ÀÁÂÄÅÉÍÓÚÜŚŹŻĆŃÇÈÊÎÔЇЙ"));
    const int rise = std::max(0, -(metrics.ascent() + accents.top()));
    setGeometry(geometry().adjusted(0, -rise, 0, 0));
    setContentsMargins(0, rise, 0, 0);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    style()->drawItemText(
        &painter, contentsRect(),
        QStyle::visualAlignment(layoutDirection(), alignment()) | Qt::TextDontClip, palette(),
        isEnabled(), text(), foregroundRole());
  }
};

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Menu(const char* caption) {
  return QCoreApplication::translate("Menu", caption);
}

}  // namespace

MainWindow::MainWindow(QtEventPump& pump, CardPictures& pictures)
    : pump_(pump), pictures_(pictures) {
  setObjectName(QStringLiteral("frmmain"));
  setWindowTitle(QStringLiteral("Velmora Concentration"));
  // Fixed single border with a close box only.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(TwipsToScreen(kClientWidth), TwipsToScreen(kClientHeight));
  client->setAutoFillBackground(true);
  SetBackground(client, kNavy);
  client->setFont(GameFont(kWindowFontPoints));
  setCentralWidget(client);

  announcer_ = new Announcer(client);
  BuildBoard(client);
  BuildPanel(client);
  BuildMenus();

  timer1_.setObjectName(QStringLiteral("Timer1"));
  timer1_.setTimerType(Qt::CoarseTimer);
  connect(&timer1_, &QTimer::timeout, this,
          [this] { Deliver([this] { events_->Timer1_Timer(); }); });

  setFixedSize(sizeHint());
  KeepPlaced(*this, Centring::OnScreen);
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildBoard(QWidget* client) {
  for (int s = 1; s <= kCardCount; ++s) {
    const int row = (s - 1) / 11;
    const int column = (s - 1) % 11;
    // The first slot of each of the top three rows stands a little further left.
    const int left = (column == 0 && row < 3) ? 204 : 240 + 960 * column;
    auto* slot = new CardSlot(s, client);
    slot->setObjectName(QStringLiteral("img_Cards_%1").arg(s));
    slot->setGeometry(TwipRect(left, 120 + 1440 * row, 864, 1392));
    connect(slot, &CardSlot::Clicked, this, [this](int index) {
      Deliver([=, this] { events_->img_Cards_Click(static_cast<Int16>(index)); });
    });
    connect(slot, &CardSlot::MoveKey, this, &MainWindow::MoveFocus);
    connect(slot, &CardSlot::FocusedIn, this, [this](int index) { focusSlot_ = index; });
    slots_[static_cast<std::size_t>(s)] = slot;
  }
}

void MainWindow::BuildPanel(QWidget* client) {
  struct LabelLayout {
    const char* name;
    const char* caption;
    int left, top, width, height;
    QColor colour;
    double points;
    Qt::Alignment alignment;
    std::optional<Label> role;
  };
  const Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
  const Qt::Alignment centre = Qt::AlignHCenter | Qt::AlignTop;
  const LabelLayout layouts[] = {
      //: Panel labels: the score rows' names fit 65 pixels, Game Mode and Level of Play 89
      //: pixels, in a bold 9.6 pt font; Deal is a button 81 pixels wide.
      {"Label1_0",
       QT_TRANSLATE_NOOP("Panel", "Computer"),
       7920,
       6000,
       972,
       252,
       kHighlightText,
       kWindowFontPoints,
       left,
       {}},
      {"lbl_Pot_0", "0", 8880, 6000, 492, 252, kWhite, kWindowFontPoints, centre,
       Label::PotComputer},
      {"Label1_1",
       QT_TRANSLATE_NOOP("Panel", "Player"),
       7920,
       6240,
       972,
       252,
       kHighlightText,
       kWindowFontPoints,
       left,
       {}},
      {"lbl_Pot_1", "0", 8880, 6240, 492, 252, kWhite, kWindowFontPoints, centre, Label::PotPlayer},
      {"lbl_Counter", "0", 10440, 6480, 252, 252, kHighlightText, kSmallFontPoints,
       Qt::AlignRight | Qt::AlignTop, Label::Counter},
      {"Label1_2",
       QT_TRANSLATE_NOOP("Panel", "Game Mode"),
       8040,
       6840,
       1332,
       252,
       kHighlightText,
       kWindowFontPoints,
       left,
       {}},
      {"lbl_GameMode", "Computer", 8040, 7080, 1092, 252, kWhite, kSmallFontPoints, centre,
       Label::GameMode},
      {"Label1_3",
       QT_TRANSLATE_NOOP("Panel", "Level of Play"),
       9480,
       6840,
       1332,
       252,
       kHighlightText,
       kWindowFontPoints,
       left,
       {}},
      {"lbl_Level", "Intermediate", 9480, 7080, 1092, 252, kWhite, kSmallFontPoints, centre,
       Label::Level},
      {"lbl_Match", "", 7200, kMatchTop, 1740, kMatchHeight, kDarkRed, kSmallFontPoints, centre,
       Label::Match},
  };
  // The status line and the scores also make up the status bar a screen reader reads on
  // request. The panel spans the client, under everything, so their places stay as laid out.
  auto* status = new StatusPanel(client);
  status->setGeometry(client->rect());
  status->lower();
  const auto inStatusBar = [](const std::optional<Label>& role) {
    return role == Label::Match || role == Label::PotComputer || role == Label::PotPlayer;
  };
  for (const LabelLayout& layout : layouts) {
    // The captions the game changes are its own texts; the others are the panel's.
    auto* label = new Caption(layout.role ? Translated("Texts", layout.caption)
                                          : QCoreApplication::translate("Panel", layout.caption),
                              inStatusBar(layout.role) ? status : client);
    label->setObjectName(QString::fromLatin1(layout.name));
    label->setGeometry(TwipRect(layout.left, layout.top, layout.width, layout.height));
    label->setFont(GameFont(layout.points));
    label->setAlignment(layout.alignment);
    label->GiveHeadroom();
    SetTextColour(label, layout.colour);
    if (layout.role) labels_[*layout.role] = label;
  }
  labels_[Label::Counter]->hide();  // the memory count is kept, never shown
  for (Label pot : {Label::PotComputer, Label::PotPlayer}) SetCaption(pot, "0");

  // The clock: red on an opaque yellow ground inside a thin border.
  auto* clock = new QLabel(QStringLiteral("00:00:00"), client);
  clock->setObjectName(QStringLiteral("Label2"));
  clock->setGeometry(TwipRect(9360, 6480, 972, 252));
  clock->setFont(GameFont(kClockFontPoints));
  clock->setAlignment(Qt::AlignCenter);
  clock->setStyleSheet(
      QStringLiteral("QLabel { color: rgb(255, 0, 0); background: rgb(255, 255, 0);"
                     " border: 1px solid black; }"));
  labels_[Label::Clock] = clock;

  deal_ = new QPushButton(QCoreApplication::translate("Panel", "&Deal"), client);
  deal_->setObjectName(QStringLiteral("btn_Deal"));
  deal_->setGeometry(TwipRect(9480, 6000, 1212, 372));
  deal_->setFont(GameFont(kSmallFontPoints));
  deal_->setEnabled(false);    // the window load enables it
  new FocusMarkAround(deal_);  // the style's own mark is too faint on navy
  connect(deal_, &QPushButton::clicked, this,
          [this] { Deliver([this] { events_->btn_Deal_Click(); }); });
}

QAction* MainWindow::AddCommand(QMenu* menu, const char* name, const QString& caption,
                                void (MainEvents::*handler)()) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  connect(action, &QAction::triggered, this, [this, action, handler] {
    // The game sets every check mark itself: undo the toggle Qt makes on a click first.
    for (const auto& [item, checkable] : checkItems_) {
      if (checkable == action) action->setChecked(checked_[item]);
    }
    Deliver([this, handler] { (events_->*handler)(); });
  });
  return action;
}

void MainWindow::BuildMenus() {
  // Each menu's captions carry an access key (&) unique within that menu; the shortcuts are not
  // part of the captions.
  //: Menu captions: the letter after & is the access key; keep it unique within its menu. Keep
  //: "Velmora Concentration" as it is.
  QMenu* file = menuBar()->addMenu(Menu(QT_TRANSLATE_NOOP("Menu", "&File")));
  file->setObjectName(QStringLiteral("mnu_File"));
  AddCommand(file, "mnu_NewGame", Menu(QT_TRANSLATE_NOOP("Menu", "&New Game")),
             &MainEvents::mnu_NewGame_Click)
      ->setShortcut(QKeySequence(Qt::Key_F2));
  file->addSeparator()->setObjectName(QStringLiteral("mnu_HintSep"));
  AddCommand(file, "mnu_Hint", Menu(QT_TRANSLATE_NOOP("Menu", "&Hint")),
             &MainEvents::mnu_Hint_Click)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  file->addSeparator()->setObjectName(QStringLiteral("mnu_ExitSep"));
  AddCommand(file, "mnu_Exit", Menu(QT_TRANSLATE_NOOP("Menu", "E&xit")),
             &MainEvents::mnu_Exit_Click);

  QMenu* options = menuBar()->addMenu(Menu(QT_TRANSLATE_NOOP("Menu", "&Options")));
  options->setObjectName(QStringLiteral("mnu_Options"));
  QMenu* select = options->addMenu(Menu(QT_TRANSLATE_NOOP("Menu", "&Select Game")));
  select->setObjectName(QStringLiteral("mnu_Select"));
  const auto checkable = [this](QMenu* menu, const char* name, const char* caption,
                                void (MainEvents::*handler)(), MenuItem item, bool checked) {
    QAction* action = AddCommand(menu, name, Menu(caption), handler);
    action->setCheckable(true);
    action->setChecked(checked);
    checkItems_[item] = action;
    checked_[item] = checked;
    return action;
  };
  checkable(select, "mnu_Computer", QT_TRANSLATE_NOOP("Menu", "Computer"),
            &MainEvents::mnu_Computer_Click, MenuItem::Computer, true);
  checkable(select, "mnu_Practice", QT_TRANSLATE_NOOP("Menu", "Practice"),
            &MainEvents::mnu_Practice_Click, MenuItem::Practice, false);
  options->addSeparator()->setObjectName(QStringLiteral("mnu_LevelsSep"));
  QMenu* levels = options->addMenu(Menu(QT_TRANSLATE_NOOP("Menu", "&Levels")));
  levels->setObjectName(QStringLiteral("mnu_Levels"));
  checkable(levels, "mnu_Beginner", QT_TRANSLATE_NOOP("Menu", "Beginner"),
            &MainEvents::mnu_Beginner_Click, MenuItem::Beginner, false);
  checkable(levels, "mnu_Intermediate", QT_TRANSLATE_NOOP("Menu", "Intermediate"),
            &MainEvents::mnu_Intermediate_Click, MenuItem::Intermediate, true);
  checkable(levels, "mnu_Advanced", QT_TRANSLATE_NOOP("Menu", "Advanced"),
            &MainEvents::mnu_Advanced_Click, MenuItem::Advanced, false);
  options->addSeparator()->setObjectName(QStringLiteral("mnu_ChangeDeckSep"));
  AddCommand(options, "mnu_ChangeDeck", Menu(QT_TRANSLATE_NOOP("Menu", "&Change Deck ...")),
             &MainEvents::mnu_ChangeDeck_Click);

  QMenu* help = menuBar()->addMenu(Menu(QT_TRANSLATE_NOOP("Menu", "&Help")));
  help->setObjectName(QStringLiteral("mnu_Help"));
  AddCommand(help, "mnu_Rules", Menu(QT_TRANSLATE_NOOP("Menu", "&How To Play")),
             &MainEvents::mnu_Rules_Click);
  help->addSeparator()->setObjectName(QStringLiteral("mnu_HelpBar1"));
  AddCommand(help, "mnu_About", Menu(QT_TRANSLATE_NOOP("Menu", "&About Velmora Concentration ...")),
             &MainEvents::mnu_About_Click);
}

QAction* MainWindow::MenuAction(const char* name) const {
  return findChild<QAction*>(QString::fromLatin1(name));
}

template <class Handler>
void MainWindow::Deliver(Handler handler) {
  if (events_ != nullptr) DeliverWindowEvent(pump_, handler);
}

void MainWindow::MoveFocus(int from, int key, bool control) {
  const int to = SlotAfterKey(from, key, control);
  if (to != 0 && to != from) Slot(to)->setFocus(Qt::OtherFocusReason);
}

bool MainWindow::focusNextPrevChild(bool next) {
  QWidget* focus = focusWidget();
  if (focus == deal_) {
    Slot(focusSlot_)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
  }
  if (qobject_cast<CardSlot*>(focus) != nullptr) {
    deal_->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
  }
  return QMainWindow::focusNextPrevChild(next);
}

void MainWindow::SpeakSoon() {
  if (speechDue_) return;
  speechDue_ = true;
  QTimer::singleShot(0, this, [this] {
    speechDue_ = false;
    const QString sentence = narrator_.Take();
    if (!sentence.isEmpty()) announcer_->Say(sentence);
  });
}

void MainWindow::ShowCentred() {
  show();  // centred by the placement
}

void MainWindow::SetCaption(Label label, std::string_view text) {
  QLabel* shown = labels_.at(label);
  const bool words = label == Label::Match || label == Label::GameMode || label == Label::Level;
  shown->setText(words ? Translated("Texts", text) : ToQString(text));
  shown->update();  // all of it: a label repaints only its contents, and an accent rises above
  if (label == Label::PotComputer || label == Label::PotPlayer) {
    shown->setAccessibleName(Narrator::Score(label == Label::PotComputer ? 0 : 1, shown->text()));
  }
  narrator_.CaptionSet(label, shown->text());
  SpeakSoon();
}

void MainWindow::SetLabelVisible(Label label, bool visible) {
  if (label == Label::Counter) return;  // never shown to the player
  labels_.at(label)->setVisible(visible);
}

void MainWindow::SetTimerInterval(int milliseconds) {
  timer1_.setInterval(milliseconds);
}

void MainWindow::SetTimerEnabled(bool enabled) {
  if (!enabled) {
    timer1_.stop();
  } else if (timer1_.interval() > 0) {
    timer1_.start();  // restarts the interval, so each tick follows the last one's work
  }
}

QString MainWindow::PutFace(Int16 slot, Int16 cardNo) {
  const QString name = CardNameText(cardNo);
  Slot(slot)->SetPicture(pictures_.Face(cardNo), name);
  return name;
}

void MainWindow::ShowFace(Int16 slot, Int16 cardNo) {
  narrator_.FaceShown(slot, PutFace(slot, cardNo));
  SpeakSoon();
}

void MainWindow::ShowHint(Int16 slot, Int16 cardNo) {
  narrator_.HintShown(slot, PutFace(slot, cardNo));
  SpeakSoon();
}

void MainWindow::ShowBack(Int16 slot, Int16 backIndex) {
  // Never the face of a face-down card, whatever asks.
  Slot(slot)->SetPicture(pictures_.Back(backIndex),
                         QCoreApplication::translate("Board", "face down"));
  narrator_.BackShown(slot);
  SpeakSoon();
}

void MainWindow::ClearSlot(Int16 slot) {
  Slot(slot)->ClearPicture();
  narrator_.Cleared(slot);
  SpeakSoon();
}

void MainWindow::Dealt() {
  narrator_.Dealt();
  SpeakSoon();
}

void MainWindow::SetChecked(MenuItem item, bool checked) {
  checked_[item] = checked;
  checkItems_.at(item)->setChecked(checked);
}

bool MainWindow::IsChecked(MenuItem item) const {
  return checked_.at(item);
}

void MainWindow::EnableDeal() {
  deal_->setEnabled(true);
  // Deal has the keyboard at start-up; a disabled button could not take it when it was built.
  if (focusWidget() == nullptr) deal_->setFocus();
}

void MainWindow::ShowMessage(std::string_view prompt, int style, std::string_view title) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  switch (style & 0x70) {
    case 16:
      icon = QMessageBox::Critical;
      break;
    case 32:
      icon = QMessageBox::Question;
      break;
    case 48:
      icon = QMessageBox::Warning;
      break;
    case 64:
      icon = QMessageBox::Information;
      break;
    default:
      break;
  }
  QMessageBox box(icon, ToQString(title), Translated("Texts", prompt), QMessageBox::Ok, this);
  // Centred on the screen like every other window: the toolkit would centre it on the main
  // window by a guess at the frame, which misses by as much as the title bar.
  KeepPlaced(box, Centring::OnScreen);
  box.exec();
}

void MainWindow::OpenModal(Window window) {
  switch (window) {
    case Window::Shuffle: {
      ShuffleNotice notice(pictures_, this);
      notice.exec();
      break;
    }
    case Window::Rules: {
      RulesWindow rules(pictures_, this);
      rules.exec();
      break;
    }
    case Window::About: {
      AboutBox about(pictures_, this);
      about.exec();
      break;
    }
  }
}

void MainWindow::OpenBacks(BacksEvents& events) {
  // Owned by the main window, so that no desktop lets the main window cover it.
  BacksWindow chooser(pump_, pictures_, events, this);
  chooser.Run();
}

void MainWindow::EndProgram() {
  hide();
  pump_.RequestEnd();
}

void MainWindow::paintEvent(QPaintEvent* event) {
  QMainWindow::paintEvent(event);
  if (iconGiven_) return;
  iconGiven_ = true;
  // Decoding the icon and handing it to the window manager would hold up the first paint, and
  // nobody looks at the icon before the board. Every window of the program takes it.
  QTimer::singleShot(0, this, [this] { QApplication::setWindowIcon(pictures_.Icon()); });
}

bool MainWindow::event(QEvent* event) {
  // A modal window takes the keyboard when it opens, and a window manager gives it back to this
  // window when it closes. Without one nothing does: the focus falls to the screen's root window
  // and the menus' access keys and the shortcuts go deaf until the next click on the board. So
  // when the last modal window closes while the program still holds the keyboard, take it here.
  if (event->type() == QEvent::WindowUnblocked && isVisible() && !pump_.Ending() &&
      QGuiApplication::focusWindow() != nullptr) {
    activateWindow();
  }
  return QMainWindow::event(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (events_ != nullptr && !pump_.Ending()) {
    Deliver([this] { events_->Form_Unload(); });
  }
}

}  // namespace velmora::ui
