// Shared painting helpers: supersampled rendering, fonts and text outlines.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <functional>

namespace cardgen {

// Everything is painted at this many times the final size and then averaged
// down, which gives even antialiasing on thin lines and small shapes alike.
inline constexpr int kSupersample = 4;

// The board's background; card corners outside the rounded edge use it so
// the opaque pictures blend into the table.
inline const QColor kTable(0, 0, 128);

// Paints in the picture's own coordinates (`size` units across) and returns an opaque
// 24-bit picture of `scale` pixels per unit: the same drawing at 1x, 2x or 3x, never a
// resampled copy of a smaller one.
QImage renderOpaque(QSize size, qreal scale, const std::function<void(QPainter&)>& paint);
// Same, but keeps an alpha channel (for the window icon).
QImage renderTranslucent(QSize size, qreal scale, const std::function<void(QPainter&)>& paint);

// Loads the bundled-with-Debian Liberation fonts from `dir`; returns false
// when either face is missing, because a fallback font would change the art.
bool loadFonts(const QString& dir);

enum class Face { Sans, Serif };

// Outline of `text` in the bold face: capitals fill `box` from top to
// baseline, centred horizontally and squeezed when wider than the box.
// Glyphs stand `gap` ems apart, ink to ink.
QPainterPath fittedText(const QString& text, Face face, const QRectF& box, qreal gap = 0.05);

// Turns the painter half a turn about `centre` (for the mirrored half of a card).
void rotateHalfTurn(QPainter& p, QPointF centre);

// Linear gradient from `top` to `bottom` across `r` (vertical).
QBrush verticalGradient(const QRectF& r, const QColor& top, const QColor& bottom);

}  // namespace cardgen
