#include "ui/BacksWindow.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <functional>
#include <utility>

#include "ui/AccessiblePress.h"
#include "ui/CardPictures.h"
#include "ui/FocusMark.h"
#include "ui/Screen.h"
#include "ui/WindowEvents.h"

namespace velmora::ui {

// One back in the chooser: its picture at its own size, blank while it blinks. A click on it,
// or Space or Enter while it has the focus, reports its index; it takes the focus from keys
// only, and reports that it has.
class BackPicture final : public QWidget {
 public:
  BackPicture(int index, const QPixmap& picture, std::function<void(int)> clicked,
              std::function<void(int, int)> arrow, std::function<void(int)> focused,
              QWidget* parent)
      : QWidget(parent),
        index_(index),
        picture_(picture),
        clicked_(std::move(clicked)),
        arrow_(std::move(arrow)),
        focused_(std::move(focused)) {}

  // Blanked rather than hidden: a hidden widget would hand its focus on mid-blink.
  void SetShown(bool shown) {
    shown_ = shown;
    update();
  }
  bool Shown() const { return shown_; }

  // Chosen while it carries the frame; assistive tools hear the change.
  void SetChosen(bool chosen) {
    chosen_ = chosen;
    QAccessible::State changed;
    changed.checked = true;
    changed.selected = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
  }
  bool Chosen() const { return chosen_; }

  void Press() {
    if (shown_) clicked_(index_);  // a blank picture cannot be clicked, as a hidden one cannot
  }

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* event) override {
    pressed_ = shown_ && event->button() == Qt::LeftButton;
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    // A click is a press and release of the left button inside the picture.
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) Press();
  }
  void keyPressEvent(QKeyEvent* event) override {
    switch (event->key()) {
      case Qt::Key_Space:
      case Qt::Key_Return:
      case Qt::Key_Enter:
        // Enter too, as on the board; left to the window it would press whichever button
        // had the focus last. A held key is one press, as a held button is one click.
        if (!event->isAutoRepeat()) Press();
        return;
      case Qt::Key_Left:
      case Qt::Key_Right:
      case Qt::Key_Up:
      case Qt::Key_Down:
        arrow_(index_, event->key());
        return;
      default:
        QWidget::keyPressEvent(event);  // Tab, and Esc, which the window ignores
    }
  }
  void focusInEvent(QFocusEvent* event) override {
    QWidget::focusInEvent(event);
    focused_(index_);
    update();
  }
  void focusOutEvent(QFocusEvent* event) override {
    QWidget::focusOutEvent(event);
    update();
  }

 private:
  int index_;
  QPixmap picture_;
  std::function<void(int)> clicked_;
  std::function<void(int, int)> arrow_;
  std::function<void(int)> focused_;
  bool shown_ = true;
  bool chosen_ = false;
  bool pressed_ = false;
};

namespace {

// Where each back stands, in twips; each picture keeps its own size.
struct Place {
  int left, top;
};
constexpr Place kBackPlaces[BacksWindow::kBackCount + 1] = {
    {0, 0},      {360, 360},   {1560, 360},  {2760, 360},  {3960, 360},  {5160, 360},  {6360, 360},
    {360, 1920}, {1560, 1920}, {2760, 1920}, {3960, 1920}, {5160, 1920}, {6240, 1920},
};
constexpr int kBacksInRow = 6;

// What each picture shows, so that a player who cannot see it can still choose.
constexpr const char* kBackPictures[BacksWindow::kBackCount + 1] = {
    "",
    QT_TRANSLATE_NOOP("BacksWindow", "blue lattice with a V crest"),
    QT_TRANSLATE_NOOP("BacksWindow", "red and gold rosette"),
    QT_TRANSLATE_NOOP("BacksWindow", "night sky with a crescent moon"),
    QT_TRANSLATE_NOOP("BacksWindow", "teal waves"),
    QT_TRANSLATE_NOOP("BacksWindow", "dark green tartan"),
    QT_TRANSLATE_NOOP("BacksWindow", "purple paisley"),
    QT_TRANSLATE_NOOP("BacksWindow", "sunset over mountains"),
    QT_TRANSLATE_NOOP("BacksWindow", "flowers on green"),
    QT_TRANSLATE_NOOP("BacksWindow", "black and gold fans"),
    QT_TRANSLATE_NOOP("BacksWindow", "honeycomb with a bee"),
    QT_TRANSLATE_NOOP("BacksWindow", "red checks with a blue ribbon"),
    QT_TRANSLATE_NOOP("BacksWindow", "gold links with a club"),
};

// The back an arrow key moves to, as the backs lie in two rows: Left and Right run on across
// the rows' ends; at an edge the focus stays.
int NeighbourBack(int from, int key) {
  switch (key) {
    case Qt::Key_Left:
      return std::max(from - 1, 1);
    case Qt::Key_Right:
      return std::min(from + 1, BacksWindow::kBackCount);
    case Qt::Key_Up:
      return from > kBacksInRow ? from - kBacksInRow : from;
    case Qt::Key_Down:
      return from <= kBacksInRow ? from + kBacksInRow : from;
    default:
      return from;
  }
}

// A back as assistive tools see it: one of a group of radio buttons, checked and selected
// while it is the chosen one, whose press action is a click.
class AccessibleBack final : public AccessiblePress<BackPicture> {
 public:
  explicit AccessibleBack(BackPicture* back) : AccessiblePress(back, QAccessible::RadioButton) {}

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    const bool chosen = static_cast<const BackPicture*>(widget())->Chosen();
    state.checkable = true;
    state.checked = chosen;
    state.selectable = true;
    state.selected = chosen;
    state.focusable = true;  // by the arrows, though only one is a Tab stop
    return state;
  }
};

QAccessibleInterface* BackAccessibility(const QString&, QObject* object) {
  auto* back = dynamic_cast<BackPicture*>(object);
  return back != nullptr ? new AccessibleBack(back) : nullptr;
}

// Paints the frames above the pictures, so a frame shows whole even where two backs touch.
class Frames final : public QWidget {
 public:
  Frames(const BacksWindow& window, QWidget* parent) : QWidget(parent), window_(window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(QPen(BacksWindow::kBorderColour, 1));
    for (int i = 1; i <= BacksWindow::kBackCount; ++i) {
      const auto* back = static_cast<const BackPicture*>(window_.Back(i));
      if (!window_.HasBorder(i) || !back->Shown()) continue;
      // A one-pixel pen draws a rectangle one pixel larger than given: the ring just outside.
      painter.drawRect(back->geometry().adjusted(-1, -1, 0, 0));
    }
  }

 private:
  const BacksWindow& window_;
};

}  // namespace

void BackPicture::paintEvent(QPaintEvent*) {
  if (!shown_) return;  // the window shows through, as behind a hidden picture
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(rect(), picture_);
  if (hasFocus()) PaintFocusMark(painter, rect());
}

BacksWindow::BacksWindow(QtEventPump& pump, CardPictures& pictures, BacksEvents& events,
                         QWidget* parent)
    : SecondaryWindow("frm_Backs", QCoreApplication::translate("BacksWindow", "Select Card Back"),
                      kClientWidth, kClientHeight, pictures, parent),
      pump_(pump),
      events_(events) {
  IgnoreEscape();  // neither button is the cancel button
  static const bool accessible = (QAccessible::installFactory(BackAccessibility), true);
  (void)accessible;

  const auto clicked = [this](int index) {
    Deliver([this, index] { events_.img_Back_Click(static_cast<Int16>(index)); });
  };
  const auto arrow = [this](int from, int key) { MoveFocus(from, key); };
  const auto focused = [this](int index) { MakeTabStop(index); };
  for (int i = 1; i <= kBackCount; ++i) {
    auto* back = new BackPicture(i, pictures.Back(i), clicked, arrow, focused, this);
    back->setObjectName(QStringLiteral("img_Back_%1").arg(i));
    back->setAccessibleName(QCoreApplication::translate("BacksWindow", "Card back %1, %2")
                                .arg(i)
                                .arg(QCoreApplication::translate("BacksWindow", kBackPictures[i])));
    const Place place = kBackPlaces[i];
    back->setGeometry(
        QRect(TwipRect(place.left, place.top, 0, 0).topLeft(), CardPictures::BackSize(i)));
    backs_[static_cast<std::size_t>(i)] = back;
  }
  frames_ = new Frames(*this, this);
  frames_->setGeometry(rect());

  const auto button = [this](const char* name, const QString& caption, int left,
                             void (BacksEvents::*handler)()) {
    QPushButton* b = AddButton(name, caption, left, 3600, 1332, 372);
    connect(b, &QPushButton::clicked, this,
            [this, handler] { Deliver([this, handler] { (events_.*handler)(); }); });
    return b;
  };
  ok_ = button("cmd_Ok", QCoreApplication::translate("BacksWindow", "OK"), 4320,
               &BacksEvents::cmd_Ok_Click);
  cancel_ = button("cmd_Cancel", QCoreApplication::translate("BacksWindow", "Cancel"), 5760,
                   &BacksEvents::cmd_Cancel_Click);
  setTabOrder(ok_, cancel_);
  QWidget* before = cancel_;
  for (int i = 1; i <= kBackCount; ++i) {
    setTabOrder(before, Back(i));
    before = Back(i);
  }
  MakeTabStop(1);
  ok_->setFocus();
}

QWidget* BacksWindow::Back(int index) const {
  return backs_.at(static_cast<std::size_t>(index));
}

bool BacksWindow::HasBorder(int index) const {
  return backs_.at(static_cast<std::size_t>(index))->Chosen();
}

void BacksWindow::MoveFocus(int from, int key) {
  Back(NeighbourBack(from, key))->setFocus(Qt::TabFocusReason);
}

// The backs are one Tab stop, as a group of radio buttons is: Tab reaches the back last
// focused or chosen, and goes on from it to OK.
void BacksWindow::MakeTabStop(int index) {
  for (int i = 1; i <= kBackCount; ++i)
    Back(i)->setFocusPolicy(i == index ? Qt::TabFocus : Qt::NoFocus);
}

template <class Handler>
void BacksWindow::Deliver(Handler handler) {
  if (!unloaded_) DeliverWindowEvent(pump_, handler);
}

void BacksWindow::Run() {
  if (pump_.Ending()) return;
  show();  // the show event centres the window and delivers Form_Load
  // The rules may have unloaded the window, or the program ended, while it loaded.
  if (!unloaded_ && !pump_.Ending()) loop_.exec(QEventLoop::DialogExec);
  unloaded_ = true;
  hide();
}

void BacksWindow::SetBorder(Int16 index, bool on) {
  BackPicture* back = backs_.at(static_cast<std::size_t>(index));
  if (back->Chosen() == on) return;
  back->SetChosen(on);
  // The back chosen by a click becomes the Tab stop; one chosen by keys already is.
  if (on && dynamic_cast<BackPicture*>(focusWidget()) == nullptr) MakeTabStop(index);
  RepaintFrame(index);
}

void BacksWindow::SetBackVisible(Int16 index, bool visible) {
  backs_.at(static_cast<std::size_t>(index))->SetShown(visible);
  RepaintFrame(index);  // a frame goes and comes with its picture
}

void BacksWindow::RepaintFrame(Int16 index) {
  frames_->update(Back(index)->geometry().adjusted(-1, -1, 1, 1));
}

void BacksWindow::Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  hide();
  // Run's loop returns once every handler running inside it has returned; a pause's own
  // loop nested inside it keeps waiting until then.
  loop_.exit();
}

void BacksWindow::showEvent(QShowEvent* event) {
  SecondaryWindow::showEvent(event);  // centred before the rules load
  if (loaded_) return;
  loaded_ = true;
  Deliver([this] { events_.Form_Load(*this); });
}

void BacksWindow::closeEvent(QCloseEvent* event) {
  if (closing_) {
    event->ignore();  // the close box again while the rules still answer the first press
    return;
  }
  if (!unloaded_) {
    closing_ = true;
    Deliver([this] { events_.Form_Unload(); });
    closing_ = false;
    Unload();
  }
  event->accept();
}

}  // namespace velmora::ui
