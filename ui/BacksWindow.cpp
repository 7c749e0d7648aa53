#include "ui/BacksWindow.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPushButton>

#include "ui/CardPictures.h"
#include "ui/CardSlot.h"
#include "ui/Screen.h"
#include "ui/WindowEvents.h"

namespace velmora::ui {

namespace {

// Where each back stands, in twips; each picture keeps its own size.
struct Place {
  int left, top;
};
constexpr Place kBackPlaces[BacksWindow::kBackCount + 1] = {
    {0, 0},      {360, 360},   {1560, 360},  {2760, 360},  {3960, 360},  {5160, 360},  {6360, 360},
    {360, 1920}, {1560, 1920}, {2760, 1920}, {3960, 1920}, {5160, 1920}, {6240, 1920},
};

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
      const QWidget* back = window_.Back(i);
      if (!window_.HasBorder(i) || back->isHidden()) continue;
      // A one-pixel pen draws a rectangle one pixel larger than given: the ring just outside.
      painter.drawRect(back->geometry().adjusted(-1, -1, 0, 0));
    }
  }

 private:
  const BacksWindow& window_;
};

}  // namespace

BacksWindow::BacksWindow(QtEventPump& pump, CardPictures& pictures, BacksEvents& events,
                         QWidget* parent)
    : SecondaryWindow("frm_Backs", QStringLiteral("Select Card Back"), kClientWidth, kClientHeight,
                      pictures, parent),
      pump_(pump),
      events_(events) {
  IgnoreEscape();  // neither button is the cancel button

  for (int i = 1; i <= kBackCount; ++i) {
    auto* back = new CardSlot(i, this);
    back->setObjectName(QStringLiteral("img_Back_%1").arg(i));
    back->SetPicture(pictures.Back(i), QString());
    back->setAccessibleName(QStringLiteral("Card back %1").arg(i));
    const Place place = kBackPlaces[i];
    back->setGeometry(
        QRect(TwipRect(place.left, place.top, 0, 0).topLeft(), CardPictures::BackSize(i)));
    connect(back, &CardSlot::Clicked, this, [this](int index) {
      Deliver([this, index] { events_.img_Back_Click(static_cast<Int16>(index)); });
    });
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
  ok_ = button("cmd_Ok", QStringLiteral("OK"), 4320, &BacksEvents::cmd_Ok_Click);
  cancel_ = button("cmd_Cancel", QStringLiteral("Cancel"), 5760, &BacksEvents::cmd_Cancel_Click);
  setTabOrder(ok_, cancel_);
  ok_->setFocus();
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
  const std::size_t i = static_cast<std::size_t>(index);
  if (borders_.at(i) == on) return;
  borders_[i] = on;
  RepaintFrame(index);
}

void BacksWindow::SetBackVisible(Int16 index, bool visible) {
  Back(index)->setVisible(visible);
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
