#include "faces.h"

#include <QPolygonF>
#include <QRadialGradient>

#include <vector>

#include "court.h"
#include "paint.h"
#include "suits.h"

namespace cardgen {
namespace {

constexpr QPointF kCentre(32, 52);
const QColor kPaper(253, 251, 245);
const QColor kFrame(34, 34, 52);

void drawBlank(QPainter& p) {
  const QRectF edge(0.6, 0.6, 62.8, 102.8);
  p.setPen(QPen(kFrame, 1.2));
  p.setBrush(verticalGradient(edge, kPaper, QColor(244, 240, 230)));
  p.drawRoundedRect(edge, 4.5, 4.5);
}

QString rankText(int rank) {
  switch (rank) {
    case 1:
      return "A";
    case 11:
      return "J";
    case 12:
      return "Q";
    case 13:
      return "K";
    default:
      return QString::number(rank);
  }
}

// Rank over a small suit sign, in the top-left corner; the caller turns the
// painter over for the bottom-right copy.
void drawIndex(QPainter& p, Suit s, int rank) {
  p.setPen(Qt::NoPen);
  p.setBrush(suitInk(s));
  const Face face = rank >= 11 ? Face::Serif : Face::Sans;
  if (rank == 10) {
    // Two digits share the width of one letter and must clear the top pip
    // at x = 13.4: set them a little shorter, on the same baseline, with a
    // clear gap so they still read apart at 1x.
    p.drawPath(fittedText(rankText(rank), face, QRectF(2.2, 5.4, 10.0, 10.0), 0.14));
  } else {
    p.drawPath(fittedText(rankText(rank), face, QRectF(2.4, 3.4, 11.6, 12.0)));
  }
  drawSuit(p, s, QPointF(8.2, 23.2), 9.0);
}

void drawBothIndices(QPainter& p, Suit s, int rank) {
  drawIndex(p, s, rank);
  p.save();
  rotateHalfTurn(p, kCentre);
  drawIndex(p, s, rank);
  p.restore();
}

struct Pip {
  int column;  // -1 left, 0 middle, 1 right
  double row;  // 0 top .. 1 bottom
};

// The usual arrangements; pips below the middle stand upside down.
std::vector<Pip> layout(int rank) {
  const double third = 1.0 / 3, sixth = 1.0 / 6;
  switch (rank) {
    case 2:
      return {{0, 0}, {0, 1}};
    case 3:
      return {{0, 0}, {0, 0.5}, {0, 1}};
    case 4:
      return {{-1, 0}, {1, 0}, {-1, 1}, {1, 1}};
    case 5:
      return {{-1, 0}, {1, 0}, {0, 0.5}, {-1, 1}, {1, 1}};
    case 6:
      return {{-1, 0}, {1, 0}, {-1, 0.5}, {1, 0.5}, {-1, 1}, {1, 1}};
    case 7:
      return {{-1, 0}, {1, 0}, {0, 0.25}, {-1, 0.5}, {1, 0.5}, {-1, 1}, {1, 1}};
    case 8:
      return {{-1, 0}, {1, 0}, {0, 0.25}, {-1, 0.5}, {1, 0.5}, {0, 0.75}, {-1, 1}, {1, 1}};
    case 9:
      return {{-1, 0},         {1, 0},         {-1, third}, {1, third}, {0, 0.5},
              {-1, 2 * third}, {1, 2 * third}, {-1, 1},     {1, 1}};
    case 10:
      return {{-1, 0},         {1, 0},         {0, sixth},     {-1, third}, {1, third},
              {-1, 2 * third}, {1, 2 * third}, {0, 5 * sixth}, {-1, 1},     {1, 1}};
    default:
      return {};
  }
}

void drawPips(QPainter& p, Suit s, int rank) {
  const double top = 16.5, bottom = 87.5, columnGap = 12.2;
  const double height = rank >= 9 ? 12.8 : 13.6;
  for (const Pip& pip : layout(rank)) {
    const QPointF at(kCentre.x() + pip.column * columnGap, top + pip.row * (bottom - top));
    drawSuit(p, s, at, height, pip.row > 0.5);
  }
}

void drawAce(QPainter& p, Suit s) {
  const bool grand = s == Suit::Spades;
  const qreal height = grand ? 40 : 32;
  QRadialGradient shine(QPointF(-0.15, -0.2), 0.8);
  const QColor ink = suitInk(s);
  shine.setColorAt(0, isRed(s) ? QColor(238, 70, 70) : QColor(80, 80, 96));
  shine.setColorAt(1, ink);
  drawSuit(p, s, kCentre, height, false, QBrush(shine));
  if (grand) {
    // The ace of spades carries the deck's ornament: an inlaid outline and a
    // small ring of dots around the sign.
    p.save();
    p.translate(kCentre);
    p.scale(height * 0.78, height * 0.78);
    p.setPen(QPen(QColor(250, 240, 210), 0.035));
    p.setBrush(Qt::NoBrush);
    p.drawPath(suitShape(s));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (int i = 0; i < 16; ++i) {
      const QTransform t = QTransform().translate(kCentre.x(), kCentre.y()).rotate(i * 22.5);
      p.drawEllipse(t.map(QPointF(0, -25)), 0.7, 0.7);
    }
  }
}

QPainterPath courtArea() {
  // The figure's panel steps around the two corner indices.
  const QPolygonF poly(
      {{15, 4}, {60, 4}, {60, 76}, {49, 76}, {49, 100}, {4, 100}, {4, 28}, {15, 28}});
  QPainterPath path;
  path.addPolygon(poly);
  path.closeSubpath();
  return path;
}

void drawCourt(QPainter& p, Suit s, int rank) {
  const QPainterPath area = courtArea();
  const QColor ground = courtBackdrop(s, rank);
  QRadialGradient glow(kCentre, 55);
  glow.setColorAt(0, ground.lighter(108));
  glow.setColorAt(1, ground.darker(106));
  p.fillPath(area, glow);

  for (int half = 0; half < 2; ++half) {
    p.save();
    p.setClipPath(area);
    if (half == 1) rotateHalfTurn(p, kCentre);
    p.setClipRect(QRectF(0, 0, 64, 52), Qt::IntersectClip);
    drawCourtHalf(p, s, rank);
    p.restore();
  }

  p.setPen(QPen(QColor(190, 150, 50), 0.9));
  p.drawLine(QPointF(4.5, 52), QPointF(59.5, 52));
  p.setPen(QPen(kFrame, 0.9));
  p.setBrush(Qt::NoBrush);
  p.drawPath(area);
}

}  // namespace

QImage paintFace(int cardNumber, int scale) {
  const Suit suit = static_cast<Suit>((cardNumber - 1) / 13);
  const int rank = (cardNumber - 1) % 13 + 1;
  return renderOpaque(kFaceSize, scale, [&](QPainter& p) {
    drawBlank(p);
    if (rank == 1) {
      drawAce(p, suit);
    } else if (rank <= 10) {
      drawPips(p, suit, rank);
    } else {
      drawCourt(p, suit, rank);
    }
    drawBothIndices(p, suit, rank);
  });
}

}  // namespace cardgen
