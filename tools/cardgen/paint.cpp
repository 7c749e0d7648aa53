#include "paint.h"

#include <QFontDatabase>
#include <QLinearGradient>

#include <algorithm>

namespace cardgen {
namespace {

QString gSans;
QString gSerif;

QString loadFamily(const QString& file) {
  const int id = QFontDatabase::addApplicationFont(file);
  if (id < 0) return {};
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  return families.isEmpty() ? QString() : families.first();
}

QImage render(QSize size, qreal scale, QImage::Format format, const QColor& ground,
              const std::function<void(QPainter&)>& paint) {
  const QSize pixels(qRound(size.width() * scale), qRound(size.height() * scale));
  QImage big(pixels * kSupersample, QImage::Format_ARGB32_Premultiplied);
  big.fill(ground);
  {
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(scale * kSupersample, scale * kSupersample);
    paint(p);
  }
  return big.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(format);
}

}  // namespace

QImage renderOpaque(QSize size, qreal scale, const std::function<void(QPainter&)>& paint) {
  return render(size, scale, QImage::Format_RGB888, kTable, paint);
}

QImage renderTranslucent(QSize size, qreal scale, const std::function<void(QPainter&)>& paint) {
  return render(size, scale, QImage::Format_ARGB32, Qt::transparent, paint);
}

bool loadFonts(const QString& dir) {
  gSans = loadFamily(dir + "/LiberationSans-Bold.ttf");
  gSerif = loadFamily(dir + "/LiberationSerif-Bold.ttf");
  return !gSans.isEmpty() && !gSerif.isEmpty();
}

QPainterPath fittedText(const QString& text, Face face, const QRectF& box, qreal gap) {
  QFont font(face == Face::Sans ? gSans : gSerif);
  font.setBold(true);
  font.setPixelSize(200);
  font.setHintingPreference(QFont::PreferNoHinting);
  // Scale by the capital height so "Q" keeps its tail below the line and
  // every rank sits on the same baseline.
  QPainterPath cap;
  cap.addText(0, 0, font, "H");
  // Glyphs are set by their ink rather than by their advances, so "10"
  // stays compact in a narrow corner.
  QPainterPath path;
  qreal cursor = 0;
  for (const QChar ch : text) {
    QPainterPath glyph;
    glyph.addText(0, 0, font, QString(ch));
    const QRectF box = glyph.boundingRect();
    path.addPath(glyph.translated(cursor - box.left(), 0));
    cursor += box.width() + font.pixelSize() * gap;
  }
  const QRectF ink = path.boundingRect();
  const qreal sy = box.height() / cap.boundingRect().height();
  const qreal sx = std::min(sy, box.width() / ink.width());
  QTransform t;
  t.translate(box.center().x(), box.bottom());
  t.scale(sx, sy);
  t.translate(-ink.center().x(), 0);
  return t.map(path);
}

void rotateHalfTurn(QPainter& p, QPointF centre) {
  p.translate(centre);
  p.rotate(180);
  p.translate(-centre);
}

QBrush verticalGradient(const QRectF& r, const QColor& top, const QColor& bottom) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  return QBrush(g);
}

}  // namespace cardgen
