#include "ui/ShuffleNotice.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "engine/Twips.h"
#include "ui/CardPictures.h"
#include "ui/Fonts.h"
#include "ui/Palette.h"

namespace velmora::ui {

ShuffleNotice::ShuffleNotice(CardPictures& pictures, QWidget* parent)
    : QDialog(parent), dpi_(LogicalDpi()) {
  setObjectName(QStringLiteral("frm_Shuffle"));
  setWindowTitle(QStringLiteral("Shuffling"));
  setWindowIcon(pictures.Icon());
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setModal(true);
  setFixedSize(TwipsToPixels(5772, dpi_), TwipsToPixels(996, dpi_));
  setAutoFillBackground(true);
  SetBackground(this, kNavy);

  const auto place = [this](QWidget* widget, int left, int top, int width, int height) {
    const PixelRect r = TwipsToPixels(left, top, width, height, dpi_);
    widget->setGeometry(r.x, r.y, r.width, r.height);
  };

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("img_Icon"));
  icon->setPixmap(pictures.Icon());
  icon->setScaledContents(true);
  place(icon, 120, 120, 768, 768);

  auto* text = new QLabel(QStringLiteral("Shuffling the Deck ..."), this);
  text->setObjectName(QStringLiteral("lbl_Shuffling"));
  text->setFont(GameFont(18.0));
  text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  SetTextColour(text, kWhite);
  place(text, 1440, 240, 3855, 615);

  setFocusPolicy(Qt::StrongFocus);  // neither control takes the focus; the window does
  wait_.setSingleShot(true);
  wait_.setTimerType(Qt::PreciseTimer);  // a coarse timer may end the notice early
  wait_.setInterval(kShowMilliseconds);
  connect(&wait_, &QTimer::timeout, this, &QDialog::accept);
}

void ShuffleNotice::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen();
  // Counted from the moment the notice shows: no window manager is needed to give it focus.
  wait_.start();
}

void ShuffleNotice::CentreOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const double twipsPerPixel = kTwipsPerInch / dpi_;
  const QRect outer = frameGeometry();
  const int left =
      CentredOrigin(screen->geometry().width() * twipsPerPixel, outer.width() * twipsPerPixel);
  const int top =
      CentredOrigin(screen->geometry().height() * twipsPerPixel, outer.height() * twipsPerPixel);
  move(TwipsToPixels(left, dpi_), TwipsToPixels(top, dpi_));
}

}  // namespace velmora::ui
