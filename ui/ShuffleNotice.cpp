#include "ui/ShuffleNotice.h"

#include <QCoreApplication>
#include <QLabel>

#include "ui/CardPictures.h"
#include "ui/Fonts.h"
#include "ui/Palette.h"
#include "ui/Screen.h"

namespace velmora::ui {

ShuffleNotice::ShuffleNotice(CardPictures& pictures, QWidget* parent)
    : SecondaryWindow("frm_Shuffle", QCoreApplication::translate("ShuffleNotice", "Shuffling"),
                      5772, 996, pictures, parent) {
  // A dialog takes Esc as Cancel and would close at once; the notice stays its full time.
  IgnoreEscape();

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("img_Icon"));
  icon->setPixmap(pictures.Icon());
  icon->setScaledContents(true);
  icon->setGeometry(TwipRect(120, 120, 768, 768));

  auto* text =
      new QLabel(QCoreApplication::translate("ShuffleNotice", "Shuffling the Deck ..."), this);
  text->setObjectName(QStringLiteral("lbl_Shuffling"));
  text->setFont(GameFont(18.0));
  text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  SetTextColour(text, kWhite);
  text->setGeometry(TwipRect(1440, 240, 3855, 615));

  setFocusPolicy(Qt::StrongFocus);  // neither control takes the focus; the window does
  wait_.setSingleShot(true);
  wait_.setTimerType(Qt::PreciseTimer);  // a coarse timer may end the notice early
  wait_.setInterval(kShowMilliseconds);
  connect(&wait_, &QTimer::timeout, this, &QDialog::accept);
}

void ShuffleNotice::showEvent(QShowEvent* event) {
  SecondaryWindow::showEvent(event);
  // Counted from the moment the notice shows: no window manager is needed to give it focus.
  wait_.start();
}

}  // namespace velmora::ui
