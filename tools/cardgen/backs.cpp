#include "backs.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "paint.h"
#include "suits.h"

namespace cardgen {
namespace {

constexpr std::array<QSize, kBackCount> kSizes = {
    QSize(74, 100), QSize(80, 100), QSize(72, 100), QSize(75, 100), QSize(70, 100), QSize(76, 100),
    QSize(76, 101), QSize(76, 102), QSize(77, 100), QSize(74, 100), QSize(64, 100), QSize(84, 100)};

// Small fixed-seed generator so scattered stars and petals land in the same
// places on every run.
class Scatter {
 public:
  explicit Scatter(uint32_t seed) : state_(seed) {}
  double next() {
    state_ = state_ * 1664525u + 1013904223u;
    return (state_ >> 8) / double(1u << 24);
  }
  double between(double lo, double hi) { return lo + (hi - lo) * next(); }

 private:
  uint32_t state_;
};

QPainterPath ringPath(QPointF c, qreal r) {
  QPainterPath path;
  path.addEllipse(c, r, r);
  return path;
}

// 1: woven diamond lattice with a monogram medallion.
void lattice(QPainter& p, const QRectF& r) {
  p.fillRect(r, verticalGradient(r, QColor(36, 84, 184), QColor(18, 46, 120)));
  const qreal step = 7;
  for (int pass = 0; pass < 2; ++pass) {
    const int dir = pass == 0 ? 1 : -1;
    for (qreal k = -r.height(); k < r.width() + r.height(); k += step) {
      const QPointF a(r.left() + k, r.top());
      const QPointF b(r.left() + k - dir * r.height(), r.bottom());
      const QPointF aa = dir > 0 ? a : QPointF(r.left() + k - r.height(), r.top());
      const QPointF bb = dir > 0 ? b : QPointF(r.left() + k, r.bottom());
      p.setPen(QPen(QColor(12, 30, 90), 2.6));
      p.drawLine(aa, bb);
      p.setPen(QPen(QColor(150, 190, 250), 1.4));
      p.drawLine(aa, bb);
    }
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 214, 90));
  for (qreal y = r.top(); y < r.bottom() + step; y += step / 2)
    for (qreal x = r.left(); x < r.right() + step; x += step) {
      const int row = qRound((y - r.top()) / (step / 2));
      p.drawEllipse(QPointF(x + (row % 2) * step / 2, y), 0.7, 0.7);
    }
  const QPointF c = r.center();
  QRadialGradient g(c, 14);
  g.setColorAt(0, QColor(250, 246, 230));
  g.setColorAt(1, QColor(220, 228, 246));
  p.setPen(QPen(QColor(200, 150, 40), 1.6));
  p.setBrush(g);
  p.drawEllipse(c, 12, 15);
  p.setPen(QPen(QColor(18, 46, 120), 0.6));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, 10.2, 13.2);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(18, 46, 120));
  p.drawPath(fittedText("V", Face::Serif, QRectF(c.x() - 8, c.y() - 7.5, 16, 15)));
}

// 2: guilloche rosette, like an engraved banknote.
void guilloche(QPainter& p, const QRectF& r) {
  QRadialGradient bg(r.center(), r.height() * 0.7);
  bg.setColorAt(0, QColor(190, 40, 56));
  bg.setColorAt(1, QColor(110, 10, 30));
  p.fillRect(r, bg);
  const QPointF c = r.center();
  p.setBrush(Qt::NoBrush);
  // Background moire of wavy lines.
  p.setPen(QPen(QColor(255, 190, 170, 90), 0.35));
  for (qreal y = r.top() - 4; y < r.bottom() + 4; y += 2.2) {
    QPainterPath wave(QPointF(r.left(), y));
    for (qreal x = r.left(); x <= r.right(); x += 0.5)
      wave.lineTo(x, y + 1.6 * std::sin((x - r.left()) * 0.35 + y * 0.18));
    p.drawPath(wave);
  }
  auto rosette = [&](qreal base, qreal amp, int lobes, int count, const QColor& colour, qreal w) {
    p.setPen(QPen(colour, w));
    for (int k = 0; k < count; ++k) {
      const qreal phase = k * 2 * std::numbers::pi / (lobes * count);
      QPainterPath path;
      for (int i = 0; i <= 720; ++i) {
        const qreal t = i * 2 * std::numbers::pi / 720;
        const qreal rad = base + amp * std::sin(lobes * t + phase * lobes);
        const QPointF pt(c.x() + rad * std::cos(t), c.y() + rad * 1.15 * std::sin(t));
        if (i == 0)
          path.moveTo(pt);
        else
          path.lineTo(pt);
      }
      p.drawPath(path);
    }
  };
  rosette(22, 6, 12, 8, QColor(255, 226, 150), 0.45);
  rosette(12, 4, 8, 8, QColor(255, 246, 220), 0.4);
  p.setPen(QPen(QColor(255, 226, 150), 0.8));
  p.drawEllipse(c, 5, 5.8);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 226, 150));
  p.drawEllipse(c, 2, 2.3);
  // Corner rosettes.
  for (const QPointF& corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
    p.setPen(QPen(QColor(255, 226, 150, 200), 0.4));
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 5; ++k) p.drawEllipse(corner, 4.0 + k * 2.2, 4.0 + k * 2.2);
  }
}

// 3: starry night over dark hills.
void starryNight(QPainter& p, const QRectF& r) {
  QLinearGradient sky(r.topLeft(), r.bottomLeft());
  sky.setColorAt(0, QColor(8, 10, 40));
  sky.setColorAt(0.6, QColor(30, 34, 100));
  sky.setColorAt(1, QColor(70, 60, 140));
  p.fillRect(r, sky);
  Scatter rnd(7);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 90; ++i) {
    const QPointF at(rnd.between(r.left(), r.right()), rnd.between(r.top(), r.bottom() - 15));
    const qreal size = 0.25 + 0.55 * rnd.next() * rnd.next();
    p.setBrush(QColor(255, 250, 220, int(140 + 115 * rnd.next())));
    p.drawEllipse(at, size, size);
  }
  // A few bright four-pointed stars.
  const QPointF bright[] = {{0.2, 0.22}, {0.78, 0.5}, {0.3, 0.6}, {0.62, 0.12}, {0.86, 0.28}};
  for (const QPointF& f : bright) {
    const QPointF c(r.left() + f.x() * r.width(), r.top() + f.y() * r.height());
    QPainterPath star(c + QPointF(0, -3));
    star.quadTo(c, c + QPointF(3, 0));
    star.quadTo(c, c + QPointF(0, 3));
    star.quadTo(c, c + QPointF(-3, 0));
    star.quadTo(c, c + QPointF(0, -3));
    p.setBrush(QColor(255, 246, 200));
    p.drawPath(star);
  }
  // Crescent moon.
  const QPointF m(r.left() + r.width() * 0.68, r.top() + r.height() * 0.24);
  QRadialGradient halo(m, 14);
  halo.setColorAt(0, QColor(255, 240, 180, 90));
  halo.setColorAt(1, QColor(255, 240, 180, 0));
  p.setBrush(halo);
  p.drawEllipse(m, 14, 14);
  p.setBrush(QColor(255, 236, 160));
  p.drawPath(ringPath(m, 7).subtracted(ringPath(m + QPointF(3, -2.2), 6.2)));
  // Hills.
  QPainterPath hills(QPointF(r.left(), r.bottom()));
  hills.lineTo(r.left(), r.bottom() - 12);
  hills.cubicTo(r.left() + 16, r.bottom() - 22, r.left() + 30, r.bottom() - 8, r.center().x() + 6,
                r.bottom() - 14);
  hills.cubicTo(r.right() - 14, r.bottom() - 20, r.right() - 6, r.bottom() - 16, r.right(),
                r.bottom() - 18);
  hills.lineTo(r.right(), r.bottom());
  p.setBrush(QColor(6, 8, 24));
  p.drawPath(hills);
  // Lit windows of a cottage on the hill.
  const QPointF h(r.left() + r.width() * 0.24, r.bottom() - 17);
  QPainterPath cottage;
  cottage.addRect(QRectF(h.x() - 4, h.y(), 8, 5));
  cottage.moveTo(h.x() - 5, h.y());
  cottage.lineTo(h.x(), h.y() - 4);
  cottage.lineTo(h.x() + 5, h.y());
  p.drawPath(cottage);
  p.setBrush(QColor(255, 210, 100));
  p.drawRect(QRectF(h.x() - 2.5, h.y() + 1.5, 1.6, 1.6));
  p.drawRect(QRectF(h.x() + 1, h.y() + 1.5, 1.6, 1.6));
}

// 4: overlapping ocean waves (scales of concentric arcs).
void waves(QPainter& p, const QRectF& r) {
  p.fillRect(r, QColor(10, 80, 110));
  const qreal R = 9;
  int row = 0;
  for (qreal y = r.top() - R; y < r.bottom() + 2 * R; y += R / 2, ++row) {
    const qreal shift = (row % 2) * R;
    for (qreal x = r.left() - 2 * R + shift; x < r.right() + 2 * R; x += 2 * R) {
      const QPointF c(x, y);
      for (int k = 0; k < 5; ++k) {
        const qreal rad = R - k * 1.75;
        QRadialGradient g(c, rad);
        const QColor a = k % 2 == 0 ? QColor(20, 120, 150) : QColor(230, 246, 246);
        g.setColorAt(0.7, a);
        g.setColorAt(1, k % 2 == 0 ? a.darker(130) : a);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, rad, rad);
      }
    }
  }
}

// 5: tartan.
void tartan(QPainter& p, const QRectF& r) {
  p.fillRect(r, QColor(20, 90, 50));
  const qreal sett = 18;
  struct Band {
    qreal offset, width;
    QColor colour;
  };
  const Band bands[] = {{0, 6, QColor(10, 24, 70, 170)},
                        {8, 1.2, QColor(230, 30, 40, 220)},
                        {11, 4, QColor(10, 24, 70, 150)},
                        {16, 0.7, QColor(250, 220, 60, 230)}};
  p.setPen(Qt::NoPen);
  for (const Band& b : bands) {
    p.setBrush(b.colour);
    for (qreal x = r.left() - sett; x < r.right(); x += sett)
      p.drawRect(QRectF(x + b.offset, r.top(), b.width, r.height()));
    for (qreal y = r.top() - sett; y < r.bottom(); y += sett)
      p.drawRect(QRectF(r.left(), y + b.offset, r.width(), b.width));
  }
  // Twill: fine diagonal hatching gives the woven texture.
  p.setPen(QPen(QColor(0, 0, 0, 45), 0.45));
  for (qreal k = -r.height(); k < r.width(); k += 1.2)
    p.drawLine(QPointF(r.left() + k, r.bottom()), QPointF(r.left() + k + r.height(), r.top()));
}

QPainterPath paisleyDrop() {
  // A teardrop with a curled tip, about 10 units tall, centred on the origin.
  QPainterPath d(QPointF(0, 5));
  d.cubicTo(-5, 5, -5.5, -1, -2, -3);
  d.cubicTo(0, -4.5, 1, -6, 3, -6.5);
  d.cubicTo(2, -5, 3.5, -3.5, 4, -1.5);
  d.cubicTo(5, 2, 3.5, 5, 0, 5);
  d.closeSubpath();
  return d;
}

// 6: paisley swirls.
void paisley(QPainter& p, const QRectF& r) {
  p.fillRect(r, verticalGradient(r, QColor(90, 30, 110), QColor(54, 16, 70)));
  const QPainterPath drop = paisleyDrop();
  int row = 0;
  for (qreal y = r.top() + 3; y < r.bottom() + 10; y += 12, ++row) {
    for (qreal x = r.left() + 4 + (row % 2) * 8; x < r.right() + 10; x += 16) {
      p.save();
      p.translate(x, y);
      p.rotate(row % 2 ? 200 : 20);
      p.setPen(QPen(QColor(250, 200, 80), 0.7));
      p.setBrush(QColor(200, 60, 120));
      p.drawPath(drop);
      p.scale(0.62, 0.62);
      p.translate(-0.5, 0.6);
      p.setPen(QPen(QColor(250, 230, 180), 0.6));
      p.setBrush(QColor(40, 140, 130));
      p.drawPath(drop);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(250, 200, 80));
      p.drawEllipse(QPointF(-0.6, 1.4), 1.4, 1.4);
      p.restore();
      // Tiny scrolls between the drops.
      p.setPen(QPen(QColor(250, 200, 80, 200), 0.5));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(x + 5, y + 3, 4, 4), 0, 270 * 16);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(240, 150, 200));
      p.drawEllipse(QPointF(x + 8, y - 4), 0.8, 0.8);
    }
  }
}

// 7: mountains at sunset.
void sunset(QPainter& p, const QRectF& r) {
  QLinearGradient sky(r.topLeft(), r.bottomLeft());
  sky.setColorAt(0, QColor(60, 40, 120));
  sky.setColorAt(0.35, QColor(210, 80, 110));
  sky.setColorAt(0.6, QColor(250, 170, 80));
  sky.setColorAt(0.75, QColor(255, 220, 140));
  p.fillRect(r, sky);
  const QPointF sun(r.center().x() + 6, r.top() + r.height() * 0.47);
  QRadialGradient glow(sun, 16);
  glow.setColorAt(0, QColor(255, 250, 210));
  glow.setColorAt(0.45, QColor(255, 230, 140));
  glow.setColorAt(1, QColor(255, 200, 120, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(sun, 16, 16);
  p.setBrush(QColor(255, 246, 200));
  p.drawEllipse(sun, 6.5, 6.5);
  // Thin clouds.
  p.setBrush(QColor(255, 200, 200, 120));
  p.drawRoundedRect(QRectF(r.left() + 6, r.top() + 22, 30, 2), 1, 1);
  p.drawRoundedRect(QRectF(r.left() + 30, r.top() + 30, 34, 1.6), 0.8, 0.8);
  // Ranges, far to near.
  const QColor colours[] = {QColor(150, 80, 130), QColor(96, 46, 100), QColor(50, 24, 60)};
  const qreal bases[] = {0.66, 0.76, 0.88};
  for (int layer = 0; layer < 3; ++layer) {
    QPainterPath ridge(QPointF(r.left(), r.bottom()));
    const qreal base = r.top() + r.height() * bases[layer];
    Scatter rnd(31 + layer * 17);
    qreal x = r.left();
    ridge.lineTo(x, base - rnd.between(2, 10));
    while (x < r.right()) {
      x += rnd.between(6, 14);
      const qreal peak = base - rnd.between(6, 20 - layer * 4);
      ridge.lineTo(x, peak);
      x += rnd.between(5, 12);
      ridge.lineTo(x, base - rnd.between(0, 6));
    }
    ridge.lineTo(r.right() + 20, r.bottom());
    ridge.closeSubpath();
    p.setBrush(colours[layer]);
    p.drawPath(ridge);
  }
  // Birds.
  p.setPen(QPen(QColor(50, 24, 60), 0.6));
  p.setBrush(Qt::NoBrush);
  for (const QPointF& b : {QPointF(0.25, 0.3), QPointF(0.35, 0.26), QPointF(0.3, 0.36)}) {
    const QPointF c(r.left() + b.x() * r.width(), r.top() + b.y() * r.height());
    QPainterPath bird(c + QPointF(-2, -0.8));
    bird.quadTo(c + QPointF(-1, -1.4), c);
    bird.quadTo(c + QPointF(1, -1.4), c + QPointF(2, -0.8));
    p.drawPath(bird);
  }
}

void flower(QPainter& p, QPointF c, qreal size, const QColor& petal, qreal turn) {
  p.save();
  p.translate(c);
  p.rotate(turn);
  p.setPen(QPen(petal.darker(140), 0.4));
  QRadialGradient g(QPointF(0, 0), size);
  g.setColorAt(0, petal.lighter(125));
  g.setColorAt(1, petal);
  p.setBrush(g);
  for (int i = 0; i < 5; ++i) {
    p.drawEllipse(QPointF(0, -size * 0.55), size * 0.38, size * 0.55);
    p.rotate(72);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 210, 60));
  p.drawEllipse(QPointF(0, 0), size * 0.28, size * 0.28);
  p.restore();
}

// 8: garden flowers.
void floral(QPainter& p, const QRectF& r) {
  p.fillRect(r, verticalGradient(r, QColor(24, 84, 54), QColor(14, 56, 36)));
  Scatter rnd(99);
  // Leaves and tendrils first.
  for (int i = 0; i < 40; ++i) {
    const QPointF c(rnd.between(r.left(), r.right()), rnd.between(r.top(), r.bottom()));
    p.save();
    p.translate(c);
    p.rotate(rnd.between(0, 360));
    QPainterPath leaf(QPointF(0, 0));
    leaf.quadTo(2, -3, 0, -6);
    leaf.quadTo(-2, -3, 0, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 150, 80));
    p.drawPath(leaf);
    p.restore();
  }
  const QColor petals[] = {QColor(240, 120, 160), QColor(250, 250, 245), QColor(250, 180, 70),
                           QColor(170, 120, 220)};
  int row = 0;
  for (qreal y = r.top() + 4; y < r.bottom() + 8; y += 11, ++row)
    for (qreal x = r.left() + 5 + (row % 2) * 8; x < r.right() + 8; x += 16) {
      const int k = (row * 3 + int((x - r.left()) / 16)) % 4;
      flower(p, QPointF(x + rnd.between(-1.5, 1.5), y + rnd.between(-1.5, 1.5)),
             rnd.between(4.2, 5.4), petals[k], rnd.between(0, 72));
    }
}

// 9: art-deco fans, black and gold.
void decoFans(QPainter& p, const QRectF& r) {
  p.fillRect(r, QColor(16, 16, 20));
  const qreal R = 10;
  int row = 0;
  for (qreal y = r.top(); y < r.bottom() + 2 * R; y += R, ++row) {
    const qreal shift = (row % 2) * R;
    for (qreal x = r.left() - R + shift; x < r.right() + 2 * R; x += 2 * R) {
      const QPointF c(x, y);
      QPainterPath fan(c);
      fan.arcTo(QRectF(c.x() - R, c.y() - R, 2 * R, 2 * R), 0, 180);
      fan.closeSubpath();
      QRadialGradient g(c, R);
      g.setColorAt(0, QColor(250, 226, 150));
      g.setColorAt(1, QColor(190, 140, 50));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(16, 16, 20));
      p.drawPath(fan);
      p.setPen(QPen(g, 0.8));
      p.setBrush(Qt::NoBrush);
      for (int k = 1; k <= 3; ++k) {
        const qreal rad = R * k / 3.2;
        p.drawArc(QRectF(c.x() - rad, c.y() - rad, 2 * rad, 2 * rad), 0, 180 * 16);
      }
      for (int k = 1; k < 8; ++k) {
        const qreal a = k * std::numbers::pi / 8;
        p.drawLine(c + QPointF(std::cos(a), -std::sin(a)) * R * 0.32,
                   c + QPointF(std::cos(a), -std::sin(a)) * R * 0.94);
      }
      p.setPen(Qt::NoPen);
      p.setBrush(g);
      p.drawPie(QRectF(c.x() - R * 0.3, c.y() - R * 0.3, R * 0.6, R * 0.6), 0, 180 * 16);
      p.setPen(QPen(QColor(230, 190, 90), 1.0));
      p.drawLine(c + QPointF(-R, 0), c + QPointF(R, 0));
    }
  }
}

// 10: honeycomb.
void honeycomb(QPainter& p, const QRectF& r) {
  p.fillRect(r, QColor(120, 70, 10));
  const qreal s = 5.2;  // hexagon radius
  const qreal w = std::sqrt(3.0) * s;
  int row = 0;
  for (qreal y = r.top(); y < r.bottom() + s * 2; y += s * 1.5, ++row)
    for (qreal x = r.left() + (row % 2) * w / 2; x < r.right() + w; x += w) {
      QPolygonF hex;
      for (int i = 0; i < 6; ++i) {
        const qreal a = (60 * i + 30) * std::numbers::pi / 180;
        hex << QPointF(x + s * 0.86 * std::cos(a), y + s * 0.86 * std::sin(a));
      }
      QRadialGradient g(QPointF(x - 1.2, y - 1.5), s * 1.2);
      g.setColorAt(0, QColor(255, 226, 110));
      g.setColorAt(0.6, QColor(246, 176, 30));
      g.setColorAt(1, QColor(200, 120, 10));
      p.setPen(QPen(QColor(250, 210, 120), 0.5));
      p.setBrush(g);
      p.drawPolygon(hex);
    }
  // A bee in the middle.
  const QPointF b = r.center();
  p.setPen(QPen(QColor(30, 20, 10), 0.5));
  p.setBrush(QColor(240, 250, 255, 210));
  p.drawEllipse(b + QPointF(-2.4, -3), 2.6, 1.8);
  p.drawEllipse(b + QPointF(2.4, -3), 2.6, 1.8);
  p.setBrush(QColor(250, 200, 30));
  p.drawEllipse(b, 2.6, 4);
  p.setPen(QPen(QColor(30, 20, 10), 1.1));
  p.drawLine(b + QPointF(-2.3, -0.6), b + QPointF(2.3, -0.6));
  p.drawLine(b + QPointF(-2.1, 1.6), b + QPointF(2.1, 1.6));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 20, 10));
  p.drawEllipse(b + QPointF(0, -4.2), 1.6, 1.4);
}

// 11: checks with a crossed ribbon and rosette.
void checkeredRibbon(QPainter& p, const QRectF& r) {
  p.fillRect(r, QColor(246, 240, 226));
  const qreal s = 4.5;
  p.save();
  p.translate(r.center());
  p.rotate(45);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(196, 30, 44));
  for (int i = -16; i < 16; ++i)
    for (int j = -16; j < 16; ++j)
      if ((i + j) % 2 == 0) p.drawRect(QRectF(i * s, j * s, s, s));
  p.restore();
  const QPointF c = r.center();
  auto band = [&](const QRectF& rect) {
    p.setPen(QPen(QColor(10, 30, 80), 0.6));
    p.setBrush(QColor(30, 70, 160));
    p.drawRect(rect);
    p.setPen(QPen(QColor(250, 214, 100), 0.5));
    const bool vertical = rect.height() > rect.width();
    if (vertical) {
      p.drawLine(QPointF(rect.left() + 1, rect.top()), QPointF(rect.left() + 1, rect.bottom()));
      p.drawLine(QPointF(rect.right() - 1, rect.top()), QPointF(rect.right() - 1, rect.bottom()));
    } else {
      p.drawLine(QPointF(rect.left(), rect.top() + 1), QPointF(rect.right(), rect.top() + 1));
      p.drawLine(QPointF(rect.left(), rect.bottom() - 1), QPointF(rect.right(), rect.bottom() - 1));
    }
  };
  band(QRectF(c.x() - 4, r.top() - 1, 8, r.height() + 2));
  band(QRectF(r.left() - 1, c.y() - 4, r.width() + 2, 8));
  // Bow loops and rosette at the crossing.
  p.setPen(QPen(QColor(10, 30, 80), 0.6));
  p.setBrush(QColor(40, 90, 190));
  for (int side = -1; side <= 1; side += 2) {
    QPainterPath loop(c);
    loop.cubicTo(c + QPointF(side * 6, -9), c + QPointF(side * 13, -6), c + QPointF(side * 8, 0));
    loop.cubicTo(c + QPointF(side * 13, 6), c + QPointF(side * 6, 9), c);
    p.drawPath(loop);
  }
  QRadialGradient g(c - QPointF(1, 1), 5);
  g.setColorAt(0, QColor(255, 240, 170));
  g.setColorAt(1, QColor(200, 140, 30));
  p.setBrush(g);
  p.drawEllipse(c, 3.6, 3.6);
}

// 12: interlaced rings in a knotwork field.
void celticRings(QPainter& p, const QRectF& r) {
  p.fillRect(r, verticalGradient(r, QColor(20, 100, 70), QColor(10, 64, 44)));
  const qreal step = 14, rad = 8.6;
  std::vector<QPointF> centres;
  int row = 0;
  for (qreal y = r.top() + 3; y < r.bottom() + step; y += step * 0.7, ++row)
    for (qreal x = r.left() + (row % 2) * step / 2; x < r.right() + step; x += step)
      centres.push_back(QPointF(x, y));
  const QColor dark(10, 40, 26), light(236, 214, 130);
  auto strand = [&](QPointF c, int startDeg, int spanDeg) {
    const QRectF box(c.x() - rad, c.y() - rad, 2 * rad, 2 * rad);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(dark, 3.4, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(box, startDeg * 16, spanDeg * 16);
    p.setPen(QPen(light, 2.0, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(box, startDeg * 16, spanDeg * 16);
  };
  for (const QPointF& c : centres) strand(c, 0, 360);
  // Re-lay a quarter of each ring on top so the strands weave over and under.
  for (const QPointF& c : centres) {
    strand(c, 30, 60);
    strand(c, 210, 60);
  }
  // Central medallion with a clover.
  const QPointF c = r.center();
  p.setPen(QPen(light, 1.4));
  p.setBrush(QColor(14, 70, 48));
  p.drawEllipse(c, 9, 9);
  drawSuit(p, Suit::Clubs, c, 11, false, QBrush(light));
}

void drawBack(QPainter& p, int index, QSize size) {
  const QRectF edge(0.6, 0.6, size.width() - 1.2, size.height() - 1.2);
  p.setPen(QPen(QColor(60, 60, 84), 1.1));
  p.setBrush(QColor(250, 248, 240));
  p.drawRoundedRect(edge, 4.5, 4.5);
  const QRectF panel = edge.adjusted(4, 4, -4, -4);
  QPainterPath clip;
  clip.addRoundedRect(panel, 2.2, 2.2);
  p.save();
  p.setClipPath(clip);
  using Painter = void (*)(QPainter&, const QRectF&);
  static const Painter painters[kBackCount] = {lattice,  guilloche, starryNight,     waves,
                                               tartan,   paisley,   sunset,          floral,
                                               decoFans, honeycomb, checkeredRibbon, celticRings};
  painters[index - 1](p, panel);
  p.restore();
  p.setPen(QPen(QColor(60, 60, 84), 0.7));
  p.setBrush(Qt::NoBrush);
  p.drawPath(clip);
}

}  // namespace

QSize backSize(int index) {
  return kSizes[index - 1];
}

QImage paintBack(int index, int scale) {
  const QSize size = backSize(index);
  return renderOpaque(size, scale, [&](QPainter& p) { drawBack(p, index, size); });
}

}  // namespace cardgen
