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
        break;
      case QEvent::Move:
      case QEvent::Resize:
        // The window manager has framed the window, or changed its frame: the frame moved the
        // window off the centre it was given.
        if (window_.isVisible() && FrameOf(window_) != framed_) {
          framed_ = FrameOf(window_);
          Centre();
        }
        break;
      default:
        break;
    }
    return false;
  }

 private:
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

  QWidget& window_;
  const Centring centring_;
  QMargins framed_;
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
