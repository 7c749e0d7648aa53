#include "ui/AboutBox.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "core/Texts.h"
#include "ui/CardPictures.h"
#include "ui/Fonts.h"
#include "ui/Palette.h"
#include "ui/Screen.h"

namespace velmora::ui {

namespace {

constexpr double kTitleFontPoints = 13.8;
constexpr double kSmallFontPoints = 7.8;

// The rule above the OK button, in twips.
constexpr int kLineLeft = 0;
constexpr int kLineRight = 7320;
constexpr int kLineY = 4200;

QLabel* AddLabel(QWidget* parent, const char* name, const char* text, QRect geometry,
                 double points) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(geometry);
  label->setFont(GameFont(points));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  SetTextColour(label, kWhite);
  return label;
}

}  // namespace

// Owned by the main window, so it has no task-bar button of its own.
AboutBox::AboutBox(CardPictures& pictures, QWidget* parent)
    : SecondaryWindow("frm_AboutBox", QCoreApplication::translate("AboutBox", "About"),
                      kClientWidth, kClientHeight, pictures, parent) {
  // Screen readers pass over a label of fewer than three words when they read a window's text:
  // the title line is read in the window's name, as the Help menu gives it.
  setAccessibleName(
      QCoreApplication::translate("AboutBox", "About %1").arg(QLatin1String(text::kAboutTitle)));
  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("picIcon"));
  icon->setPixmap(pictures.Icon());
  // Sized in logical pixels: on a scaled screen the icon's pixmap holds more device pixels.
  icon->setGeometry(
      QRect(TwipRect(120, 120, 0, 0).topLeft(), pictures.Icon().deviceIndependentSize().toSize()));
  icon->setAutoFillBackground(true);
  SetBackground(icon, kIconGround);

  AddLabel(this, "lblTitle", text::kAboutTitle, TwipRect(1680, 120, 5652, 480), kTitleFontPoints);
  AddLabel(this, "Label1", text::kAboutVersion, TwipRect(5400, 600, 1932, 252), kSmallFontPoints);

  QPushButton* ok =
      AddButton("cmdOK", QCoreApplication::translate("AboutBox", "OK"), 4920, 4440, 1164, 345);
  ok->setDefault(true);  // Enter; Esc cancels the dialog, which closes it all the same
  ok->setFocus();
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutBox::paintEvent(QPaintEvent*) {
  // An etched rule: the white line drawn over the grey one.
  QPainter painter(this);
  const QPoint from(TwipsToScreen(kLineLeft), TwipsToScreen(kLineY));
  const QPoint to(TwipsToScreen(kLineRight), TwipsToScreen(kLineY));
  painter.setPen(QPen(kLineShade, 1));
  painter.drawLine(from, to);
  painter.setPen(QPen(kWhite, 2));
  painter.drawLine(from, to);
}

}  // namespace velmora::ui
