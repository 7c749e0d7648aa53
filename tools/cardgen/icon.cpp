#include "icon.h"

#include <QLinearGradient>

#include "paint.h"
#include "suits.h"

namespace cardgen {
namespace {

// Shapes are bold and contrasty so the icon still reads at 16 pixels.
void drawHiddenCard(QPainter& p) {
  const QRectF card(-15, -22, 30, 44);
  p.setPen(QPen(QColor(20, 24, 60), 1.6));
  p.setBrush(QColor(250, 248, 240));
  p.drawRoundedRect(card, 4, 4);
  const QRectF panel = card.adjusted(3.5, 3.5, -3.5, -3.5);
  p.setPen(Qt::NoPen);
  p.setBrush(verticalGradient(panel, QColor(50, 100, 210), QColor(20, 50, 140)));
  p.drawRoundedRect(panel, 2, 2);
  p.save();
  QPainterPath clip;
  clip.addRoundedRect(panel, 2, 2);
  p.setClipPath(clip);
  p.setPen(QPen(QColor(150, 190, 250), 1.3));
  for (qreal k = -60; k < 60; k += 7) {
    p.drawLine(QPointF(k, -30), QPointF(k + 60, 30));
    p.drawLine(QPointF(k, 30), QPointF(k + 60, -30));
  }
  p.restore();
}

void drawHeartCard(QPainter& p) {
  const QRectF card(-16, -23, 32, 46);
  p.setPen(QPen(QColor(20, 24, 60), 1.8));
  p.setBrush(verticalGradient(card, QColor(255, 255, 255), QColor(236, 232, 222)));
  p.drawRoundedRect(card, 4, 4);
  QLinearGradient shine(QPointF(0, -0.5), QPointF(0, 0.5));
  shine.setColorAt(0, QColor(250, 70, 80));
  shine.setColorAt(1, QColor(196, 10, 30));
  drawSuit(p, Suit::Hearts, QPointF(0, 1), 27, false, QBrush(shine));
}

}  // namespace

QImage paintIcon(int pixels) {
  const qreal scale = qreal(pixels) / kIconSize;
  return renderTranslucent(QSize(kIconSize, kIconSize), scale, [](QPainter& p) {
    // Scaled up a touch so the pair fills the square.
    p.translate(32, 32);
    p.scale(1.06, 1.06);
    p.translate(-32, -33);
    p.save();
    p.translate(22, 30);
    p.rotate(-16);
    drawHiddenCard(p);
    p.restore();
    p.save();
    p.translate(41, 35);
    p.rotate(12);
    drawHeartCard(p);
    p.restore();
  });
}

}  // namespace cardgen
