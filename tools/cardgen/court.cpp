#include "court.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

#include "paint.h"

namespace cardgen {
namespace {

enum class Hat {
  CrownPoints,
  CrownArched,
  CrownFleur,
  CrownTall,
  Tiara,
  Circlet,
  Veil,
  HeartTiara,
  Beret,
  BrimmedHat,
  Chaperon,
  PeakedHat
};
enum class Hair { Short, Long, Bob, Curly };
enum class Beard { None, Full, Pointed, Forked, Moustache };
enum class Pattern { Plain, Stripes, Checks, Dots, Lozenges, Chevrons, Signs };
enum class Item {
  Sword,
  SwordBehind,
  Sceptre,
  Halberd,
  Axe,
  Rose,
  Tulip,
  Torch,
  Orb,
  Mace,
  Fan,
  Leaf
};

struct Figure {
  Hat hat;
  Hair hair;
  QColor hairColour;
  Beard beard;
  QColor robe;
  QColor pattern;
  Pattern patternKind;
  QColor sleeve;
  QColor trim;
  bool ermine;  // royal fur trim instead of a plain band
  Item item;
  QColor backdrop;
};

// Indexed [suit][rank - 11]: jack, queen, king.
const Figure kFigures[4][3] = {
    // Spades
    {{Hat::Beret, Hair::Bob, QColor(92, 58, 30), Beard::None, QColor(196, 36, 40),
      QColor(246, 204, 64), Pattern::Stripes, QColor(40, 70, 160), QColor(30, 30, 36), false,
      Item::Halberd, QColor(236, 226, 200)},
     {Hat::Tiara, Hair::Long, QColor(34, 28, 28), Beard::None, QColor(104, 40, 138),
      QColor(74, 24, 104), Pattern::Checks, QColor(226, 176, 44), QColor(236, 200, 80), false,
      Item::Sceptre, QColor(226, 230, 240)},
     {Hat::CrownPoints, Hair::Short, QColor(214, 214, 220), Beard::Full, QColor(34, 64, 150),
      QColor(232, 190, 60), Pattern::Lozenges, QColor(186, 32, 42), QColor(250, 250, 250), true,
      Item::Sword, QColor(240, 228, 196)}},
    // Diamonds
    {{Hat::BrimmedHat, Hair::Bob, QColor(176, 70, 28), Beard::None, QColor(232, 128, 30),
      QColor(36, 74, 160), Pattern::Chevrons, QColor(36, 74, 160), QColor(250, 220, 120), false,
      Item::Torch, QColor(222, 236, 226)},
     {Hat::Circlet, Hair::Long, QColor(232, 188, 84), Beard::None, QColor(34, 128, 80),
      QColor(244, 206, 80), Pattern::Signs, QColor(230, 120, 150), QColor(244, 206, 80), false,
      Item::Rose, QColor(246, 228, 226)},
     {Hat::CrownArched, Hair::Short, QColor(110, 66, 36), Beard::Full, QColor(186, 28, 40),
      QColor(246, 206, 70), Pattern::Dots, QColor(36, 116, 64), QColor(250, 250, 250), true,
      Item::Axe, QColor(224, 232, 244)}},
    // Clubs
    {{Hat::Chaperon, Hair::Short, QColor(222, 186, 96), Beard::Moustache, QColor(236, 192, 52),
      QColor(40, 36, 40), Pattern::Lozenges, QColor(110, 50, 140), QColor(190, 30, 40), false,
      Item::Mace, QColor(230, 226, 242)},
     {Hat::Veil, Hair::Long, QColor(140, 60, 30), Beard::None, QColor(48, 92, 176),
      QColor(250, 250, 250), Pattern::Dots, QColor(236, 196, 60), QColor(250, 250, 250), false,
      Item::Tulip, QColor(238, 232, 212)},
     {Hat::CrownFleur, Hair::Short, QColor(36, 30, 30), Beard::Pointed, QColor(28, 104, 64),
      QColor(236, 196, 64), Pattern::Checks, QColor(150, 30, 90), QColor(236, 196, 64), false,
      Item::Orb, QColor(246, 236, 214)}},
    // Hearts
    {{Hat::PeakedHat, Hair::Bob, QColor(30, 26, 26), Beard::Moustache, QColor(28, 132, 140),
      QColor(250, 230, 160), Pattern::Checks, QColor(232, 124, 36), QColor(250, 230, 160), false,
      Item::Leaf, QColor(246, 232, 214)},
     {Hat::HeartTiara, Hair::Curly, QColor(120, 70, 40), Beard::None, QColor(214, 84, 120),
      QColor(255, 236, 240), Pattern::Signs, QColor(30, 130, 130), QColor(240, 200, 80), false,
      Item::Fan, QColor(226, 238, 236)},
     {Hat::CrownTall, Hair::Short, QColor(206, 112, 40), Beard::Forked, QColor(164, 20, 48),
      QColor(240, 196, 70), Pattern::Stripes, QColor(40, 60, 150), QColor(250, 250, 250), true,
      Item::SwordBehind, QColor(234, 234, 222)}},
};

const QColor kOutline(36, 28, 30);
const QColor kGold(236, 186, 52);
const QColor kGoldDark(168, 112, 20);
const QColor kSkin(246, 212, 176);
const QColor kSkinShade(222, 170, 130);
const QPointF kHead(36, 20.5);
constexpr qreal kHeadRx = 6.2, kHeadRy = 7.2;
// The head is drawn a little larger than the body so faces stay readable
// on a small card, and set a little lower so the headgear clears the top
// of the panel.
constexpr qreal kHeadScale = 1.1;
constexpr qreal kHeadDrop = 1.5;
// The highest a hat may reach in the head's own coordinates: with the
// scale and drop above this lands just inside the panel's top edge at 4.5.
constexpr qreal kHeadgearRoom = 4.95;
constexpr QPointF kItemHand(50.5, 44);
constexpr QPointF kChestHand(27.5, 44.5);

QPen outline(qreal w = 0.55) {
  return QPen(kOutline, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QBrush goldBrush(const QRectF& r) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, QColor(255, 230, 130));
  g.setColorAt(0.5, kGold);
  g.setColorAt(1, kGoldDark);
  return QBrush(g);
}

QBrush steelBrush(QPointF a, QPointF b) {
  QLinearGradient g(a, b);
  g.setColorAt(0, QColor(250, 252, 255));
  g.setColorAt(0.5, QColor(190, 196, 210));
  g.setColorAt(1, QColor(120, 126, 140));
  return QBrush(g);
}

void fill(QPainter& p, const QPainterPath& path, const QBrush& brush, qreal pen = 0.55) {
  p.setPen(pen > 0 ? outline(pen) : QPen(Qt::NoPen));
  p.setBrush(brush);
  p.drawPath(path);
}

QPainterPath ellipse(QPointF c, qreal rx, qreal ry) {
  QPainterPath path;
  path.addEllipse(c, rx, ry);
  return path;
}

QPainterPath polygon(std::initializer_list<QPointF> pts) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(pts)));
  path.closeSubpath();
  return path;
}

QPainterPath thickLine(QPointF a, QPointF b, qreal width) {
  QPainterPath line(a);
  line.lineTo(b);
  QPainterPathStroker stroker;
  stroker.setWidth(width);
  stroker.setCapStyle(Qt::RoundCap);
  return stroker.createStroke(line);
}

// A bent limb (shoulder, elbow, hand) as a solid outline.
QPainterPath limb(QPointF shoulder, QPointF elbow, QPointF hand, qreal width) {
  QPainterPath line(shoulder);
  line.lineTo(elbow);
  line.lineTo(hand);
  QPainterPathStroker stroker;
  stroker.setWidth(width);
  stroker.setCapStyle(Qt::RoundCap);
  stroker.setJoinStyle(Qt::RoundJoin);
  return stroker.createStroke(line).simplified();
}

// ---- body -------------------------------------------------------------

QPainterPath robeShape() {
  QPainterPath path(QPointF(31, 28.5));
  path.cubicTo(25, 29, 19, 30, 16, 32.5);
  path.cubicTo(13.2, 34.5, 12.6, 40, 12.2, 54);
  path.lineTo(60, 54);
  path.cubicTo(59.6, 40, 59, 34.5, 56, 32.5);
  path.cubicTo(53, 30, 47, 29, 41, 28.5);
  path.closeSubpath();
  return path;
}

void drawPattern(QPainter& p, const Figure& f, Suit s, const QPainterPath& clip) {
  p.save();
  p.setClipPath(clip, Qt::IntersectClip);
  p.setPen(Qt::NoPen);
  p.setBrush(f.pattern);
  switch (f.patternKind) {
    case Pattern::Plain:
      break;
    case Pattern::Stripes:
      for (qreal x = 5; x < 64; x += 5) p.drawRect(QRectF(x, 26, 2.2, 30));
      break;
    case Pattern::Checks:
      for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 16; ++c)
          if ((r + c) % 2 == 0) p.drawRect(QRectF(4 + c * 3.6, 28 + r * 3.6, 3.6, 3.6));
      break;
    case Pattern::Dots:
      for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 14; ++c)
          p.drawEllipse(QPointF(5 + c * 4.2 + (r % 2) * 2.1, 31 + r * 3.6), 0.9, 0.9);
      break;
    case Pattern::Lozenges:
      for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 10; ++c) {
          const QPointF o(6 + c * 6 + (r % 2) * 3, 32 + r * 5);
          p.drawPath(polygon({o + QPointF(0, -2.2), o + QPointF(1.6, 0), o + QPointF(0, 2.2),
                              o + QPointF(-1.6, 0)}));
        }
      break;
    case Pattern::Chevrons: {
      p.setPen(QPen(f.pattern, 1.4));
      p.setBrush(Qt::NoBrush);
      for (qreal y = 30; y < 56; y += 4.5) {
        QPainterPath zig(QPointF(4, y));
        for (qreal x = 4; x < 64; x += 6) {
          zig.lineTo(x + 3, y + 2.5);
          zig.lineTo(x + 6, y);
        }
        p.drawPath(zig);
      }
      break;
    }
    case Pattern::Signs:
      for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 10; ++c)
          drawSuit(p, s, QPointF(6 + c * 6 + (r % 2) * 3, 33 + r * 5), 3.2, false,
                   QBrush(f.pattern));
      break;
  }
  p.restore();
}

void drawErmineBand(QPainter& p, const QPainterPath& band) {
  fill(p, band, QColor(252, 252, 250), 0.5);
  p.save();
  p.setClipPath(band, Qt::IntersectClip);
  p.setPen(Qt::NoPen);
  p.setBrush(kOutline);
  for (int r = 0; r < 12; ++r)
    for (int c = 0; c < 22; ++c) {
      const QPointF o(4 + c * 3 + (r % 2) * 1.5, 28 + r * 2.6);
      p.drawPath(polygon({o + QPointF(0, -0.7), o + QPointF(0.45, 0.5), o + QPointF(-0.45, 0.5)}));
    }
  p.restore();
}

void drawBody(QPainter& p, const Figure& f, Suit s) {
  const QPainterPath robe = robeShape();
  QLinearGradient shade(QPointF(6, 0), QPointF(62, 0));
  shade.setColorAt(0, f.robe.darker(125));
  shade.setColorAt(0.45, f.robe.lighter(112));
  shade.setColorAt(1, f.robe.darker(135));
  fill(p, robe, shade);
  drawPattern(p, f, s, robe);
  p.setPen(outline());
  p.setBrush(Qt::NoBrush);
  p.drawPath(robe);

  // Undershirt in the V of the neckline, then the front bands.
  fill(p, polygon({{31, 28.5}, {36, 37}, {41, 28.5}}), f.sleeve.lighter(130), 0.45);
  const QPainterPath left = polygon({{28.5, 29}, {32.5, 29}, {35.2, 36.5}, {34, 54}, {29, 54}});
  const QPainterPath right = polygon({{39.5, 29}, {43.5, 29}, {43, 54}, {38, 54}, {36.8, 36.5}});
  if (f.ermine) {
    // A fur cape across the shoulders as well as the front bands.
    QPainterPath cape(QPointF(14, 35));
    cape.cubicTo(22, 30, 50, 30, 58, 35);
    cape.lineTo(57, 39);
    cape.cubicTo(48, 35.5, 24, 35.5, 15, 39);
    cape.closeSubpath();
    drawErmineBand(p, cape.united(left).united(right));
  } else {
    fill(p, left.united(right), f.trim, 0.45);
    p.setPen(Qt::NoPen);
    p.setBrush(f.trim == QColor(30, 30, 36) ? kGold : kOutline);
    for (qreal y = 38; y < 53; y += 4.5) {
      p.drawEllipse(QPointF(31.6, y), 0.7, 0.7);
      p.drawEllipse(QPointF(40.6, y), 0.7, 0.7);
    }
  }
  // Belt at the cut line.
  fill(p, polygon({{6, 49.5}, {62, 49.5}, {62, 53}, {6, 53}}).intersected(robe),
       goldBrush(QRectF(0, 49.5, 1, 3.5)), 0.45);
}

void drawSleeve(QPainter& p, const Figure& f, QPointF shoulder, QPointF elbow, QPointF hand) {
  QLinearGradient g(shoulder, elbow);
  g.setColorAt(0, f.sleeve.lighter(118));
  g.setColorAt(1, f.sleeve.darker(118));
  fill(p, limb(shoulder, elbow, hand, 6.0), g);
  // Cuff.
  const QPointF d = hand - elbow;
  const QPointF dir = d / std::hypot(d.x(), d.y());
  fill(p, thickLine(hand - dir * 2.6, hand - dir * 1.4, 6.2), f.trim, 0.45);
}

void drawHand(QPainter& p, QPointF at) {
  fill(p, ellipse(at, 2.2, 2.0), kSkin, 0.5);
}

// ---- head -------------------------------------------------------------

void drawHairBack(QPainter& p, const Figure& f) {
  const QColor c = f.hairColour;
  switch (f.hair) {
    case Hair::Long: {
      QPainterPath locks(QPointF(29.5, 13));
      locks.cubicTo(26, 20, 27, 30, 25, 37);
      locks.quadTo(28, 38.5, 31, 35);
      locks.lineTo(41, 35);
      locks.quadTo(44, 38.5, 47, 37);
      locks.cubicTo(45, 30, 46, 20, 42.5, 13);
      locks.closeSubpath();
      QLinearGradient g(QPointF(0, 12), QPointF(0, 42));
      g.setColorAt(0, c.lighter(120));
      g.setColorAt(1, c.darker(130));
      fill(p, locks, g);
      break;
    }
    case Hair::Bob:
      fill(p, polygon({{28.6, 15}, {43.4, 15}, {44.2, 26}, {27.8, 26}}), c, 0.5);
      break;
    case Hair::Curly:
      for (int side = -1; side <= 1; side += 2)
        for (int i = 0; i < 4; ++i)
          fill(p, ellipse(QPointF(kHead.x() + side * (6.8 - i * 0.2), 16 + i * 4.2), 2.6, 2.5), c,
               0.45);
      break;
    case Hair::Short:
      for (int side = -1; side <= 1; side += 2)
        fill(p, ellipse(QPointF(kHead.x() + side * 6.0, 21), 2.2, 4.8), c, 0.45);
      break;
  }
}

void drawBeard(QPainter& p, const Figure& f) {
  const QColor c = f.hairColour;
  QPainterPath beard(QPointF(29.9, 20.5));
  switch (f.beard) {
    case Beard::None:
      return;
    case Beard::Moustache: {
      QPainterPath m(QPointF(36, 23.8));
      m.cubicTo(34, 23, 32.5, 24, 31.8, 25.6);
      m.cubicTo(33.5, 25, 35, 25.2, 36, 24.9);
      m.cubicTo(37, 25.2, 38.5, 25, 40.2, 25.6);
      m.cubicTo(39.5, 24, 38, 23, 36, 23.8);
      fill(p, m, c, 0.3);
      return;
    }
    case Beard::Full:
      beard.cubicTo(29.6, 31, 33, 34.5, 36, 34.5);
      beard.cubicTo(39, 34.5, 42.4, 31, 42.1, 20.5);
      break;
    case Beard::Pointed:
      beard.cubicTo(30, 27, 33, 29, 36, 36.5);
      beard.cubicTo(39, 29, 42, 27, 42.1, 20.5);
      break;
    case Beard::Forked:
      beard.cubicTo(29.8, 30, 32, 33, 33.6, 36);
      beard.lineTo(36, 32.5);
      beard.lineTo(38.4, 36);
      beard.cubicTo(40, 33, 42.2, 30, 42.1, 20.5);
      break;
  }
  // Leave the mouth and cheeks bare.
  beard.cubicTo(41.5, 24, 39, 23.3, 36, 23.5);
  beard.cubicTo(33, 23.3, 30.5, 24, 29.9, 20.5);
  QLinearGradient g(QPointF(0, 21), QPointF(0, 36));
  g.setColorAt(0, c.lighter(112));
  g.setColorAt(1, c.darker(118));
  fill(p, beard, g, 0.45);
  // A few strands.
  p.setPen(QPen(c.darker(140), 0.3));
  for (int i = -2; i <= 2; ++i)
    p.drawLine(QPointF(36 + i * 1.6, 28.5), QPointF(36 + i * 1.5, 32.5 - std::abs(i) * 0.8));
}

void drawFace(QPainter& p, const Figure& f, int rank) {
  // Neck, then head.
  fill(p, polygon({{33.4, 25}, {38.6, 25}, {38.8, 30}, {33.2, 30}}), kSkinShade, 0.45);
  QRadialGradient skin(kHead + QPointF(-1.5, -2), 8);
  skin.setColorAt(0, kSkin.lighter(106));
  skin.setColorAt(1, kSkinShade);
  fill(p, ellipse(kHead, kHeadRx, kHeadRy), skin);

  // Cheeks.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(232, 120, 110, 90));
  p.drawEllipse(QPointF(32.4, 23.2), 1.4, 1.0);
  p.drawEllipse(QPointF(39.6, 23.2), 1.4, 1.0);
  // Eyes.
  for (int side = -1; side <= 1; side += 2) {
    const QPointF eye(kHead.x() + side * 2.4, 19.6);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(eye, 1.05, 0.7);
    p.setBrush(rank == 12 ? QColor(40, 80, 130) : QColor(40, 30, 28));
    p.drawEllipse(eye + QPointF(side * -0.15, 0.05), 0.6, 0.62);
    p.setPen(QPen(f.hairColour.darker(150), 0.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(eye + QPointF(-1.2, -1.5 + side * 0.1), eye + QPointF(1.2, -1.5 - side * 0.1));
    p.setPen(Qt::NoPen);
  }
  // Nose.
  p.setPen(QPen(kSkinShade.darker(125), 0.45, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  QPainterPath nose(QPointF(36.2, 20.2));
  nose.lineTo(35.5, 23.1);
  nose.lineTo(36.6, 23.3);
  p.drawPath(nose);

  drawBeard(p, f);

  // Mouth.
  p.setPen(Qt::NoPen);
  p.setBrush(rank == 12 ? QColor(210, 40, 60) : QColor(176, 60, 60));
  QPainterPath mouth(QPointF(34.4, 25.5));
  mouth.quadTo(36, 24.8, 37.6, 25.5);
  mouth.quadTo(36, 26.8, 34.4, 25.5);
  p.drawPath(mouth);
}

void drawHairFront(QPainter& p, const Figure& f) {
  const QColor c = f.hairColour;
  // A cap of hair over the brow; the hat sits on it.
  QPainterPath top(QPointF(29.7, 18));
  switch (f.hair) {
    case Hair::Bob:
      top.cubicTo(29.5, 12, 42.5, 12, 42.3, 18);
      top.lineTo(42.3, 17.4);
      top.cubicTo(39, 16.2, 33, 16.2, 29.7, 17.4);
      break;
    case Hair::Long:
      top.cubicTo(29.5, 12.5, 42.5, 12.5, 42.3, 18);
      top.cubicTo(39.5, 14.5, 36.5, 14.5, 36, 16);
      top.cubicTo(35.5, 14.5, 32.5, 14.5, 29.7, 18);
      break;
    default:
      top.cubicTo(29.7, 13, 42.3, 13, 42.3, 16.5);
      top.cubicTo(39, 15.2, 33, 15.2, 29.7, 16.5);
      break;
  }
  top.closeSubpath();
  fill(p, top, c, 0.45);
}

// ---- headgear ---------------------------------------------------------

void drawGem(QPainter& p, QPointF at, const QColor& c, qreal r = 0.9) {
  QRadialGradient g(at - QPointF(r * 0.3, r * 0.3), r * 1.2);
  g.setColorAt(0, c.lighter(170));
  g.setColorAt(1, c);
  fill(p, ellipse(at, r, r), g, 0.3);
}

QPainterPath crownBand() {
  QPainterPath band(QPointF(29, 12.4));
  band.quadTo(36, 13.6, 43, 12.4);
  band.lineTo(43.3, 15.6);
  band.quadTo(36, 16.8, 28.7, 15.6);
  band.closeSubpath();
  return band;
}

void drawVeil(QPainter& p) {
  QPainterPath veil(QPointF(29, 12));
  veil.cubicTo(30, 6, 42, 6, 43, 12);
  veil.cubicTo(47, 20, 47, 30, 50, 37);
  veil.quadTo(45, 38, 43, 30);
  veil.lineTo(29, 30);
  veil.quadTo(27, 38, 22, 37);
  veil.cubicTo(25, 30, 25, 20, 29, 12);
  fill(p, veil, verticalGradient(QRectF(0, 6, 1, 32), QColor(255, 255, 255), QColor(206, 216, 234)),
       0.45);
}

void drawHeadgear(QPainter& p, const Figure& f) {
  const QRectF crownBox(28, 2, 16, 15);
  switch (f.hat) {
    case Hat::CrownPoints: {
      QPainterPath points(QPointF(29, 13));
      const qreal xs[] = {29, 31.8, 33.2, 36, 38.8, 40.2, 43};
      const qreal ys[] = {13, 5.5, 10, 3.8, 10, 5.5, 13};
      for (int i = 1; i < 7; ++i) points.lineTo(xs[i], ys[i]);
      points.closeSubpath();
      fill(p, points, goldBrush(crownBox));
      fill(p, crownBand(), goldBrush(QRectF(0, 12, 1, 4)));
      for (qreal x : {31.8, 36.0, 40.2}) drawGem(p, QPointF(x, x == 36 ? 3.6 : 5.3), kGold, 0.8);
      drawGem(p, QPointF(36, 14.4), QColor(200, 20, 40));
      drawGem(p, QPointF(32, 14.1), QColor(30, 90, 200), 0.7);
      drawGem(p, QPointF(40, 14.1), QColor(30, 90, 200), 0.7);
      break;
    }
    case Hat::CrownTall: {
      fill(p, ellipse(QPointF(36, 9), 6.3, 5.5), QColor(120, 20, 60), 0.5);
      QPainterPath points(QPointF(28.6, 13.5));
      const qreal ys[] = {2, 8, 3.5, 8, 1.2, 8, 3.5, 8, 2};
      for (int i = 0; i < 9; ++i) points.lineTo(28.6 + i * 1.85, ys[i]);
      points.lineTo(43.4, 13.5);
      points.closeSubpath();
      fill(p, points, goldBrush(crownBox));
      fill(p, crownBand(), goldBrush(QRectF(0, 12, 1, 4)));
      drawGem(p, QPointF(36, 14.4), QColor(30, 150, 90));
      drawGem(p, QPointF(36, 1.4), QColor(200, 20, 40), 0.8);
      break;
    }
    case Hat::CrownArched: {
      fill(p, ellipse(QPointF(36, 11), 6.6, 6.5), QColor(176, 20, 40), 0.5);
      p.setPen(QPen(kGoldDark, 1.3));
      p.setBrush(Qt::NoBrush);
      QPainterPath arches(QPointF(29.5, 13));
      arches.cubicTo(29.5, 5, 42.5, 5, 42.5, 13);
      arches.moveTo(36, 13);
      arches.lineTo(36, 5.3);
      p.drawPath(arches);
      p.setPen(QPen(kGold, 0.7));
      p.drawPath(arches);
      fill(p, crownBand(), goldBrush(QRectF(0, 12, 1, 4)));
      // Cross on top.
      fill(p,
           polygon({{35.4, 0.8},
                    {36.6, 0.8},
                    {36.6, 2},
                    {37.8, 2},
                    {37.8, 3.2},
                    {36.6, 3.2},
                    {36.6, 5.6},
                    {35.4, 5.6},
                    {35.4, 3.2},
                    {34.2, 3.2},
                    {34.2, 2},
                    {35.4, 2}}),
           goldBrush(QRectF(0, 0.8, 1, 5)), 0.35);
      for (qreal x : {31.5, 36.0, 40.5}) drawGem(p, QPointF(x, 14.3), QColor(40, 140, 220), 0.75);
      break;
    }
    case Hat::CrownFleur: {
      fill(p, crownBand(), goldBrush(QRectF(0, 12, 1, 4)));
      for (qreal x : {30.4, 36.0, 41.6}) {
        const qreal lift = x == 36 ? 1.6 : 0;
        drawSuit(p, Suit::Clubs, QPointF(x, 9.2 - lift), x == 36 ? 6.4 : 5.0, false,
                 goldBrush(QRectF(-0.5, -0.5, 1, 1)));
      }
      drawGem(p, QPointF(36, 14.3), QColor(30, 150, 80));
      break;
    }
    case Hat::Tiara: {
      QPainterPath tiara(QPointF(29.6, 15));
      tiara.quadTo(31, 10.5, 36, 7);
      tiara.quadTo(41, 10.5, 42.4, 15);
      tiara.quadTo(36, 12.6, 29.6, 15);
      tiara.closeSubpath();
      fill(p, tiara, steelBrush(QPointF(0, 7), QPointF(0, 15)), 0.45);
      drawGem(p, QPointF(36, 10.6), QColor(40, 90, 210), 1.2);
      drawGem(p, QPointF(32.6, 12.6), QColor(200, 30, 60), 0.6);
      drawGem(p, QPointF(39.4, 12.6), QColor(200, 30, 60), 0.6);
      break;
    }
    case Hat::Circlet:
    case Hat::HeartTiara:
    case Hat::Veil: {
      QPainterPath band(QPointF(29.3, 14));
      band.quadTo(36, 11.2, 42.7, 14);
      band.lineTo(42.7, 15.6);
      band.quadTo(36, 12.8, 29.3, 15.6);
      band.closeSubpath();
      if (f.hat == Hat::Circlet) {
        for (qreal x : {31.5, 36.0, 40.5})
          fill(p, polygon({{x - 1.6, 13.4}, {x, x == 36 ? 7.6 : 9.4}, {x + 1.6, 13.4}}),
               goldBrush(QRectF(0, 8, 1, 6)), 0.4);
      }
      fill(p, band, goldBrush(QRectF(0, 11, 1, 5)), 0.4);
      if (f.hat == Hat::HeartTiara) {
        drawSuit(p, Suit::Hearts, QPointF(36, 10.2), 4.6, false,
                 goldBrush(QRectF(-0.5, -0.5, 1, 1)));
        drawSuit(p, Suit::Hearts, QPointF(36, 10.3), 2.6, false, QBrush(QColor(220, 30, 60)));
      } else {
        drawGem(p, QPointF(36, 12.9),
                f.hat == Hat::Veil ? QColor(40, 120, 220) : QColor(30, 150, 90), 0.8);
      }
      break;
    }
    case Hat::Beret: {
      QPainterPath beret(QPointF(28.6, 15));
      beret.cubicTo(24, 11, 33, 5, 42, 7);
      beret.cubicTo(47, 8.5, 46, 13, 43.4, 15);
      beret.quadTo(36, 13.2, 28.6, 15);
      fill(p, beret, verticalGradient(QRectF(0, 6, 1, 9), QColor(70, 70, 84), QColor(20, 20, 28)));
      // Feather sweeping back over the crown.
      QPainterPath feather(QPointF(40, 10));
      feather.cubicTo(44, 4, 50, 2, 54, 3);
      feather.cubicTo(51, 5, 46, 8, 40, 10);
      fill(p, feather, QColor(250, 250, 250), 0.4);
      fill(p, polygon({{39.5, 9}, {41.5, 9}, {41.5, 11.5}, {39.5, 11.5}}), kGold, 0.3);
      break;
    }
    case Hat::BrimmedHat: {
      fill(p, ellipse(QPointF(36, 14), 10.5, 2.6),
           verticalGradient(QRectF(0, 11, 1, 6), QColor(60, 150, 80), QColor(20, 90, 40)));
      QPainterPath dome(QPointF(30, 14));
      dome.cubicTo(30, 6, 42, 6, 42, 14);
      dome.quadTo(36, 15, 30, 14);
      fill(p, dome, verticalGradient(QRectF(0, 7, 1, 8), QColor(70, 160, 90), QColor(30, 100, 50)));
      fill(p, polygon({{30.2, 12}, {41.8, 12}, {41.9, 13.8}, {30.1, 13.8}}), QColor(250, 220, 120),
           0.35);
      QPainterPath plume(QPointF(32, 11.5));
      plume.cubicTo(29, 7, 30, 3.5, 33, 2.5);
      plume.cubicTo(33, 6, 34.5, 9, 34, 11.5);
      plume.closeSubpath();
      fill(p, plume, QColor(200, 40, 40), 0.35);
      break;
    }
    case Hat::Chaperon: {
      QPainterPath tail(QPointF(40, 8));
      tail.cubicTo(46, 6, 50, 10, 52, 16);
      tail.quadTo(49, 15, 42, 11);
      fill(p, tail, QColor(150, 20, 30), 0.45);
      fill(p, ellipse(QPointF(36, 9.5), 6.5, 4.5),
           verticalGradient(QRectF(0, 5, 1, 9), QColor(220, 50, 50), QColor(150, 20, 30)));
      fill(p, ellipse(QPointF(36, 13.6), 8, 2.4),
           verticalGradient(QRectF(0, 11, 1, 5), QColor(230, 70, 60), QColor(140, 20, 30)));
      p.setPen(QPen(QColor(110, 10, 20), 0.35));
      for (int i = -3; i <= 3; ++i)
        p.drawLine(QPointF(36 + i * 2, 11.8), QPointF(36 + i * 2.1, 15.4));
      break;
    }
    case Hat::PeakedHat: {
      QPainterPath hat(QPointF(27, 15));
      hat.lineTo(29, 11.5);
      hat.cubicTo(31, 5, 39, 3.5, 44, 6);
      hat.lineTo(42.5, 11);
      hat.lineTo(46, 12.5);
      hat.lineTo(44, 15.5);
      hat.quadTo(36, 13.2, 27, 15);
      fill(p, hat,
           verticalGradient(QRectF(0, 4, 1, 12), QColor(240, 150, 60), QColor(190, 90, 20)));
      fill(p, polygon({{28.6, 12.6}, {44.6, 13.2}, {44, 15.5}, {27.2, 14.8}}), QColor(40, 110, 120),
           0.35);
      QPainterPath feather(QPointF(42, 9));
      feather.cubicTo(46, 2, 52, 1, 55, 2);
      feather.cubicTo(51, 4, 47, 7, 42.5, 10.5);
      fill(p, feather, QColor(210, 30, 40), 0.4);
      break;
    }
  }
}

// Highest point of each headgear as drawn by drawHeadgear (plumes and
// feathers included).
qreal headgearTop(Hat hat) {
  switch (hat) {
    case Hat::CrownPoints:
      return 2.6;
    case Hat::CrownTall:
      return 0.4;
    case Hat::CrownArched:
      return 0.6;
    case Hat::CrownFleur:
      return 4.2;
    case Hat::Beret:
      return 2.8;
    case Hat::BrimmedHat:
      return 2.3;
    case Hat::Chaperon:
      return 4.8;
    case Hat::PeakedHat:
      return 1.3;
    case Hat::Tiara:
    case Hat::Circlet:
    case Hat::Veil:
    case Hat::HeartTiara:
      return 6.8;
  }
  return 0;
}

// The headgear, pressed down towards its band where it would otherwise
// rise past the figure's panel: a crown cut off by the frame reads as a
// fault, most of all at 2x and 3x.
void drawHat(QPainter& p, const Figure& f) {
  const qreal band = 14;
  const qreal top = headgearTop(f.hat);
  p.save();
  if (top < kHeadgearRoom) {
    p.translate(0, band);
    p.scale(1, (band - kHeadgearRoom) / (band - top));
    p.translate(0, -band);
  }
  drawHeadgear(p, f);
  p.restore();
}

// ---- held items -------------------------------------------------------

void drawShaft(QPainter& p, QPointF from, QPointF to, qreal width, const QColor& c) {
  QLinearGradient g(from + QPointF(-width, 0), from + QPointF(width, 0));
  g.setColorAt(0, c.lighter(130));
  g.setColorAt(1, c.darker(130));
  fill(p, thickLine(from, to, width), g, 0.4);
}

void drawSwordBlade(QPainter& p, QPointF hilt, QPointF tip) {
  const QPointF d = (tip - hilt) / std::hypot(tip.x() - hilt.x(), tip.y() - hilt.y());
  const QPointF n(-d.y(), d.x());
  fill(p,
       polygon(
           {hilt + n * 1.3, tip - d * 2.5 + n * 1.1, tip, tip - d * 2.5 - n * 1.1, hilt - n * 1.3}),
       steelBrush(hilt + n * 1.3, hilt - n * 1.3), 0.45);
  p.setPen(QPen(QColor(150, 156, 170), 0.3));
  p.drawLine(hilt + d * 1, tip - d * 3);
}

void drawSwordHilt(QPainter& p, QPointF hand, QPointF dir) {
  const QPointF n(-dir.y(), dir.x());
  const QPointF guard = hand + dir * 2.6;
  fill(p, thickLine(guard - n * 4, guard + n * 4, 1.4), goldBrush(QRectF(0, guard.y() - 1, 1, 2)),
       0.4);
  fill(p, ellipse(hand - dir * 3.2, 1.2, 1.2), goldBrush(QRectF(0, hand.y() - 4, 1, 2)), 0.35);
}

void drawItemBehind(QPainter& p, const Figure& f) {
  if (f.item == Item::SwordBehind) {
    const QPointF dir = QPointF(-30, -37) / std::hypot(30.0, 37.0);
    drawSwordBlade(p, kItemHand + dir * 2.6, kItemHand + dir * 48);
  }
}

void drawItem(QPainter& p, const Figure& f) {
  const QPointF h = kItemHand;
  const QPointF c = kChestHand;
  switch (f.item) {
    case Item::Sword:
      drawSwordBlade(p, h + QPointF(0, -2.6), QPointF(h.x(), 3));
      drawSwordHilt(p, h, QPointF(0, -1));
      break;
    case Item::SwordBehind:
      drawSwordHilt(p, h, QPointF(-30, -37) / std::hypot(30.0, 37.0));
      break;
    case Item::Sceptre:
      drawShaft(p, h + QPointF(0, 5), QPointF(h.x(), 10), 1.5, kGold);
      drawSuit(p, Suit::Spades, QPointF(h.x(), 7), 6.5, false, goldBrush(QRectF(-0.5, -0.5, 1, 1)));
      drawGem(p, QPointF(h.x(), 7.4), QColor(40, 90, 210), 0.9);
      break;
    case Item::Halberd: {
      drawShaft(p, h + QPointF(0, 7), QPointF(h.x(), 4), 1.4, QColor(130, 80, 40));
      QPainterPath blade(QPointF(h.x() + 0.5, 9));
      blade.cubicTo(h.x() + 4, 8, h.x() + 6, 11, h.x() + 6.5, 14);
      blade.cubicTo(h.x() + 4, 14.5, h.x() + 2, 15, h.x() + 0.5, 16);
      blade.closeSubpath();
      fill(p, blade, steelBrush(QPointF(h.x(), 8), QPointF(h.x() + 6, 16)), 0.45);
      fill(p, polygon({{h.x() - 1.2, 5}, {h.x(), 0}, {h.x() + 1.2, 5}}),
           steelBrush(QPointF(h.x() - 1, 0), QPointF(h.x() + 1, 0)), 0.4);
      fill(p, polygon({{h.x() - 0.6, 11}, {h.x() - 3.4, 10}, {h.x() - 0.6, 13}}),
           steelBrush(QPointF(h.x() - 3, 0), QPointF(h.x(), 0)), 0.4);
      break;
    }
    case Item::Axe: {
      drawShaft(p, h + QPointF(0, 6), QPointF(h.x(), 6), 1.5, QColor(140, 90, 45));
      QPainterPath head(QPointF(h.x() - 0.5, 7.5));
      head.lineTo(h.x() - 3, 6.5);
      head.cubicTo(h.x() - 7, 8, h.x() - 7.5, 13, h.x() - 6, 16.5);
      head.lineTo(h.x() - 0.5, 13.5);
      head.closeSubpath();
      fill(p, head, steelBrush(QPointF(h.x() - 7, 0), QPointF(h.x(), 0)), 0.45);
      fill(p, polygon({{h.x() + 0.6, 8.5}, {h.x() + 3, 10.5}, {h.x() + 0.6, 12.5}}),
           steelBrush(QPointF(h.x(), 0), QPointF(h.x() + 3, 0)), 0.4);
      break;
    }
    case Item::Torch: {
      drawShaft(p, h + QPointF(0, 5), QPointF(h.x(), 14), 1.8, QColor(120, 76, 40));
      fill(p, polygon({{h.x() - 2.4, 11}, {h.x() + 2.4, 11}, {h.x() + 1.6, 15}, {h.x() - 1.6, 15}}),
           goldBrush(QRectF(0, 11, 1, 4)), 0.4);
      QPainterPath flame(QPointF(h.x(), 2));
      flame.cubicTo(h.x() + 1, 5, h.x() + 4, 7, h.x() + 2.6, 10.5);
      flame.quadTo(h.x(), 11.8, h.x() - 2.6, 10.5);
      flame.cubicTo(h.x() - 3.6, 7.5, h.x() - 1, 6, h.x(), 2);
      QRadialGradient g(QPointF(h.x(), 9), 7);
      g.setColorAt(0, QColor(255, 250, 180));
      g.setColorAt(0.5, QColor(255, 190, 40));
      g.setColorAt(1, QColor(230, 60, 20));
      fill(p, flame, g, 0.4);
      break;
    }
    case Item::Mace: {
      drawShaft(p, h + QPointF(0, 5), QPointF(h.x(), 12), 1.5, QColor(110, 70, 40));
      for (int i = 0; i < 8; ++i) {
        const qreal a = i * std::numbers::pi / 4;
        const QPointF o(h.x(), 8.5);
        fill(p,
             polygon({o + QPointF(std::cos(a - 0.3), std::sin(a - 0.3)) * 3,
                      o + QPointF(std::cos(a), std::sin(a)) * 5.2,
                      o + QPointF(std::cos(a + 0.3), std::sin(a + 0.3)) * 3}),
             steelBrush(o - QPointF(3, 3), o + QPointF(3, 3)), 0.35);
      }
      fill(p, ellipse(QPointF(h.x(), 8.5), 3.3, 3.3),
           steelBrush(QPointF(h.x() - 3, 5), QPointF(h.x() + 3, 12)), 0.45);
      break;
    }
    case Item::Leaf: {
      drawShaft(p, h + QPointF(0, 3), QPointF(h.x() - 1, 19), 0.9, QColor(60, 110, 40));
      QPainterPath leaf(QPointF(h.x() - 1, 19));
      leaf.cubicTo(h.x() - 7, 14, h.x() - 4, 5, h.x() + 2, 2);
      leaf.cubicTo(h.x() + 5, 8, h.x() + 4, 16, h.x() - 1, 19);
      QLinearGradient g(QPointF(h.x() - 5, 0), QPointF(h.x() + 4, 0));
      g.setColorAt(0, QColor(120, 190, 70));
      g.setColorAt(1, QColor(40, 120, 40));
      fill(p, leaf, g, 0.45);
      p.setPen(QPen(QColor(30, 90, 30), 0.35));
      p.setBrush(Qt::NoBrush);
      QPainterPath vein(QPointF(h.x() - 1, 18.5));
      vein.quadTo(h.x() - 1, 9, h.x() + 1.8, 3);
      p.drawPath(vein);
      break;
    }
    case Item::Orb: {
      const QPointF o = c + QPointF(0, -4.4);
      QRadialGradient g(o - QPointF(1.2, 1.2), 4.5);
      g.setColorAt(0, QColor(255, 240, 170));
      g.setColorAt(1, kGoldDark);
      fill(p, ellipse(o, 3.4, 3.4), g, 0.45);
      p.setPen(QPen(QColor(150, 30, 50), 0.8));
      p.drawLine(o + QPointF(-3.3, 0), o + QPointF(3.3, 0));
      p.drawLine(o + QPointF(0, 0), o + QPointF(0, -3.3));
      fill(p,
           polygon({{o.x() - 0.5, o.y() - 6.6},
                    {o.x() + 0.5, o.y() - 6.6},
                    {o.x() + 0.5, o.y() - 5.6},
                    {o.x() + 1.5, o.y() - 5.6},
                    {o.x() + 1.5, o.y() - 4.6},
                    {o.x() + 0.5, o.y() - 4.6},
                    {o.x() + 0.5, o.y() - 3.3},
                    {o.x() - 0.5, o.y() - 3.3},
                    {o.x() - 0.5, o.y() - 4.6},
                    {o.x() - 1.5, o.y() - 4.6},
                    {o.x() - 1.5, o.y() - 5.6},
                    {o.x() - 0.5, o.y() - 5.6}}),
           kGold, 0.3);
      break;
    }
    case Item::Rose: {
      drawShaft(p, c + QPointF(0, 2), c + QPointF(1.5, -9), 0.9, QColor(50, 120, 50));
      fill(p, ellipse(c + QPointF(3, -6), 1.8, 0.9), QColor(70, 150, 60), 0.3);
      const QPointF r = c + QPointF(1.6, -11);
      QRadialGradient g(r, 3.2);
      g.setColorAt(0, QColor(150, 0, 20));
      g.setColorAt(1, QColor(230, 40, 60));
      fill(p, ellipse(r, 3, 2.7), g, 0.45);
      p.setPen(QPen(QColor(120, 0, 20), 0.35));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(r.x() - 1.6, r.y() - 1.4, 3.2, 2.8), 30 * 16, 250 * 16);
      break;
    }
    case Item::Tulip: {
      drawShaft(p, c + QPointF(0, 2), c + QPointF(1, -9), 0.9, QColor(50, 120, 50));
      QPainterPath leaf(c + QPointF(0.5, -3));
      leaf.quadTo(c.x() - 4, c.y() - 6, c.x() - 4, c.y() - 9);
      leaf.quadTo(c.x() - 1, c.y() - 6, c.x() + 0.5, c.y() - 3);
      fill(p, leaf, QColor(70, 150, 60), 0.3);
      const QPointF t = c + QPointF(1, -11);
      QPainterPath bloom(t + QPointF(-2.6, -2.8));
      bloom.lineTo(t + QPointF(-1.2, -1.4));
      bloom.lineTo(t + QPointF(0, -3.2));
      bloom.lineTo(t + QPointF(1.2, -1.4));
      bloom.lineTo(t + QPointF(2.6, -2.8));
      bloom.cubicTo(t.x() + 3, t.y() + 1, t.x() + 1.5, t.y() + 2.2, t.x(), t.y() + 2.2);
      bloom.cubicTo(t.x() - 1.5, t.y() + 2.2, t.x() - 3, t.y() + 1, t.x() - 2.6, t.y() - 2.8);
      fill(p, bloom,
           verticalGradient(QRectF(0, t.y() - 3, 1, 5), QColor(250, 200, 60), QColor(220, 90, 30)),
           0.4);
      break;
    }
    case Item::Fan: {
      const QPointF o = c + QPointF(1, -1);
      QPainterPath fan(o);
      fan.arcTo(QRectF(o.x() - 9, o.y() - 9, 18, 18), 35, 110);
      fan.closeSubpath();
      fill(p, fan, QColor(250, 244, 230), 0.45);
      p.setPen(QPen(QColor(214, 84, 120), 0.45));
      for (int i = 0; i <= 6; ++i) {
        const qreal a = (35 + i * 110.0 / 6) * std::numbers::pi / 180;
        p.drawLine(o, o + QPointF(std::cos(a), -std::sin(a)) * 8.8);
      }
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(214, 84, 120));
      for (int i = 0; i < 3; ++i) {
        const qreal a = (60 + i * 30) * std::numbers::pi / 180;
        drawSuit(p, Suit::Hearts, o + QPointF(std::cos(a), -std::sin(a)) * 6.4, 2.0);
      }
      break;
    }
  }
}

// Maps the head's drawing coordinates onto the card.
void headSpace(QPainter& p) {
  p.translate(kHead + QPointF(0, kHeadDrop));
  p.scale(kHeadScale, kHeadScale);
  p.translate(-kHead);
}

bool heldAtChest(Item item) {
  return item == Item::Orb || item == Item::Rose || item == Item::Tulip || item == Item::Fan;
}

}  // namespace

QColor courtBackdrop(Suit s, int rank) {
  return kFigures[static_cast<int>(s)][rank - 11].backdrop;
}

void drawCourtHalf(QPainter& p, Suit s, int rank) {
  const Figure& f = kFigures[static_cast<int>(s)][rank - 11];
  drawItemBehind(p, f);
  p.save();
  headSpace(p);
  if (f.hat == Hat::Veil) drawVeil(p);  // falls behind the hair and shoulders
  drawHairBack(p, f);
  p.restore();
  drawBody(p, f, s);
  if (f.hair == Hair::Long) {
    // Long hair falls over the shoulders, in front of the robe.
    p.save();
    p.setClipRect(QRectF(0, 28, 64, 16), Qt::IntersectClip);
    headSpace(p);
    drawHairBack(p, f);
    p.restore();
  }
  drawSleeve(p, f, QPointF(17.5, 35), QPointF(15.8, 46.5), kChestHand);
  drawSleeve(p, f, QPointF(54.5, 35), QPointF(57, 46.5), kItemHand + QPointF(1, 0));
  p.save();
  headSpace(p);
  drawFace(p, f, rank);
  drawHairFront(p, f);
  drawHat(p, f);
  p.restore();
  if (heldAtChest(f.item)) {
    drawItem(p, f);
    drawHand(p, kChestHand);
    drawHand(p, kItemHand);
  } else {
    drawHand(p, kChestHand);
    drawItem(p, f);
    drawHand(p, kItemHand);
  }
}

}  // namespace cardgen
