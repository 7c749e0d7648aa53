#include "ui/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QObject>
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

QMargins FrameOf(const QWidget& window) {
  const QRect outer = window.frameGeometry();
  const QRect inner = window.geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

class Placement final : public QObject {
 public:
  Placement(QWidget& window, Centring centring)
      : QObject(&window), window_(window), centring_(centring) {
    window.installEventFilter(this);
    frameWatch_.setInterval(kFrameLookMilliseconds);
    connect(&frameWatch_, &QTimer::timeout, this, &Placement::FollowFrame);
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
        framed_ = FrameOf(window_);
        Centre();
        // The window manager frames the window after it is mapped, and says so with no event
        // of Qt's: look for the frame a few times while the window settles.
        frameLooks_ = kFrameLooks;
        frameWatch_.start();
        break;
      case QEvent::Move:
        FollowFrame();
        break;
      default:
        break;
    }
    return false;
  }

 private:
  // Centred again when the frame the window manager put around the window is new.
  void FollowFrame() {
    if (--frameLooks_ <= 0) frameWatch_.stop();
    if (!window_.isVisible() || FrameOf(window_) == framed_) return;
    framed_ = FrameOf(window_);
    Centre();
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
      if (foreign) watchedHandle_->setWindowStates(Qt::WindowNoState);
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
  static constexpr int kFrameLookMilliseconds = 25;
  static constexpr int kFrameLooks = 80;  // two seconds

  QWidget& window_;
  const Centring centring_;
  QMargins framed_;
  QTimer frameWatch_;
  int frameLooks_ = 0;
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
