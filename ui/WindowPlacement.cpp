#include "ui/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "ui/Screen.h"

namespace velmora::ui {

namespace {

constexpr Qt::WindowStates kForeignStates = Qt::WindowMaximized | Qt::WindowFullScreen;

bool OnWayland() {
  return QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

class Placement final : public QObject {
 public:
  Placement(QWidget& window, Centring centring)
      : QObject(&window), window_(window), centring_(centring) {
    window.installEventFilter(this);
    settleWatch_.setInterval(kSettleLookMilliseconds);
    connect(&settleWatch_, &QTimer::timeout, this, &Placement::Settle);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == watchedHandle_) {
      if (event->type() == QEvent::WindowStateChange) StateReported(*watchedHandle_);
      return false;
    }
    if (watched != &window_) return false;
    switch (event->type()) {
      case QEvent::Show:
        WatchStates();
        Centre();
        // The window manager frames the window after it is mapped, and may place it before or
        // after the move asked for: until the window settles, it goes back to the centre, with
        // its frame counted as soon as Qt learns of it. Later moves are the player's.
        if (centring_ == Centring::OnScreen && !OnWayland()) {
          settleLooks_ = kSettleLooks;
          settleWatch_.start();
        }
        break;
      case QEvent::Move:
        Settle();
        break;
      default:
        break;
    }
    return false;
  }

 private:
  void Settle() {
    if (settleLooks_ <= 0) return;
    if (--settleLooks_ == 0) settleWatch_.stop();
    if (!window_.isVisible()) return;
    if (window_.frameGeometry().topLeft() != CentredOnScreen(window_)) {
      Centre();
    } else if (window_.frameGeometry() == window_.geometry() &&
               settleLooks_ % kNudgeEvery == kNudgeEvery - 1) {
      // No frame known: Qt reads the frame only when the server reports a change, and the
      // window manager's report may have come before its frame was there. A pixel's move asks
      // for a fresh report; the next look puts the window back, with its frame if it has one.
      window_.move(window_.pos() + QPoint(0, 1));
    }
  }

  void Centre() {
    if (centring_ == Centring::OnScreen && !OnWayland()) CentreOnScreen(window_);
  }

  void WatchStates() {
    QWindow* handle = window_.windowHandle();
    if (handle == nullptr || handle == watchedHandle_) return;
    watchedHandle_ = handle;
    handle->installEventFilter(this);  // the states the window system reports
    // Qt's own Wayland title bar sets the state on the handle directly, with no event.
    connect(handle, &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
      if ((state & kForeignStates) && OnWayland()) Yield();
    });
    giveBack_.setSingleShot(true);
    giveBack_.setInterval(kGiveBackMilliseconds);
    connect(&giveBack_, &QTimer::timeout, this,
            [this] { watchedHandle_->setWindowStates(Qt::WindowNoState); });
  }

  // On X11 the window manager is asked for the normal state back at once; the fixed size kept
  // the window at its own size meanwhile. A Wayland compositor ends a client that draws at another
  // size than the maximised or full-screen one it acknowledged, and answers a request to leave
  // the state only once a frame in the state is drawn: so the window fills the size for a
  // moment, then asks to leave, and takes its own size again when the compositor lets it.
  void StateReported(const QWindow& handle) {
    const bool foreign = handle.windowStates() & kForeignStates;
    if (!OnWayland()) {
      if (foreign) watchedHandle_->setWindowStates(handle.windowStates() & ~kForeignStates);
    } else if (foreign) {
      Yield();
      giveBack_.start();
    } else if (yielding_) {
      yielding_ = false;
      window_.setFixedSize(ownSize_);
    }
  }

  void Yield() {
    if (yielding_) return;
    yielding_ = true;
    ownSize_ = window_.size();
    window_.setMinimumSize(0, 0);
    window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }

  static constexpr int kGiveBackMilliseconds = 250;
  static constexpr int kSettleLookMilliseconds = 25;
  static constexpr int kSettleLooks = 80;  // two seconds, or 80 moves
  static constexpr int kNudgeEvery = 20;

  QWidget& window_;
  const Centring centring_;
  QTimer settleWatch_;
  int settleLooks_ = 0;
  QWindow* watchedHandle_ = nullptr;
  QTimer giveBack_;
  bool yielding_ = false;
  QSize ownSize_;
};

}  // namespace

void KeepPlaced(QWidget& window, Centring centring) {
  new Placement(window, centring);
}

}  // namespace velmora::ui
