#include "suits.h"

namespace cardgen {
namespace {

QPainterPath heart() {
  QPainterPath p;
  p.moveTo(0, 0.5);
  p.cubicTo(-0.2, 0.28, -0.5, 0.08, -0.5, -0.2);
  p.cubicTo(-0.5, -0.4, -0.36, -0.5, -0.24, -0.5);
  p.cubicTo(-0.1, -0.5, -0.03, -0.42, 0, -0.3);
  p.cubicTo(0.03, -0.42, 0.1, -0.5, 0.24, -0.5);
  p.cubicTo(0.36, -0.5, 0.5, -0.4, 0.5, -0.2);
  p.cubicTo(0.5, 0.08, 0.2, 0.28, 0, 0.5);
  p.closeSubpath();
  return p;
}

// A stem flaring into a foot, shared by spades and clubs.
QPainterPath stem(qreal top) {
  QPainterPath p;
  p.moveTo(-0.04, top);
  p.quadTo(-0.05, 0.4, -0.2, 0.5);
  p.lineTo(0.2, 0.5);
  p.quadTo(0.05, 0.4, 0.04, top);
  p.closeSubpath();
  return p;
}

QPainterPath spade() {
  QPainterPath body;
  body.moveTo(0, -0.5);
  body.cubicTo(-0.18, -0.3, -0.5, -0.12, -0.5, 0.1);
  body.cubicTo(-0.5, 0.27, -0.37, 0.36, -0.25, 0.36);
  body.cubicTo(-0.13, 0.36, -0.05, 0.3, 0, 0.2);
  body.cubicTo(0.05, 0.3, 0.13, 0.36, 0.25, 0.36);
  body.cubicTo(0.37, 0.36, 0.5, 0.27, 0.5, 0.1);
  body.cubicTo(0.5, -0.12, 0.18, -0.3, 0, -0.5);
  body.closeSubpath();
  return body.united(stem(0.1));
}

QPainterPath club() {
  QPainterPath p;
  const qreal r = 0.225;
  p.addEllipse(QPointF(0, -0.275), r, r);
  p.addEllipse(QPointF(-0.265, 0.1), r, r);
  p.addEllipse(QPointF(0.265, 0.1), r, r);
  QPainterPath core;
  core.addEllipse(QPointF(0, 0.02), 0.14, 0.16);
  p.setFillRule(Qt::WindingFill);
  return p.simplified().united(core).united(stem(0.0));
}

QPainterPath diamond() {
  QPainterPath p;
  p.moveTo(0, -0.5);
  p.quadTo(0.18, -0.22, 0.38, 0);
  p.quadTo(0.18, 0.22, 0, 0.5);
  p.quadTo(-0.18, 0.22, -0.38, 0);
  p.quadTo(-0.18, -0.22, 0, -0.5);
  p.closeSubpath();
  return p;
}

}  // namespace

bool isRed(Suit s) {
  return s == Suit::Diamonds || s == Suit::Hearts;
}

QColor suitInk(Suit s) {
  return isRed(s) ? QColor(206, 18, 32) : QColor(18, 18, 24);
}

const QPainterPath& suitShape(Suit s) {
  static const QPainterPath shapes[] = {spade(), diamond(), club(), heart()};
  return shapes[static_cast<int>(s)];
}

void drawSuit(QPainter& p, Suit s, QPointF centre, qreal height, bool upsideDown) {
  drawSuit(p, s, centre, height, upsideDown, QBrush(suitInk(s)));
}

void drawSuit(QPainter& p, Suit s, QPointF centre, qreal height, bool upsideDown,
              const QBrush& brush) {
  p.save();
  p.translate(centre);
  p.scale(height, height);
  if (upsideDown) p.rotate(180);
  p.setPen(Qt::NoPen);
  p.setBrush(brush);
  p.drawPath(suitShape(s));
  p.restore();
}

}  // namespace cardgen
