// The four suit signs as vector outlines, and their colours.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>

namespace cardgen {

// Order of the suits in the deck's numbering.
enum class Suit { Spades, Diamonds, Clubs, Hearts };

bool isRed(Suit s);
QColor suitInk(Suit s);

// The sign fitted in a box of height 1 centred on the origin (widths differ:
// the diamond is slimmer than the others).
const QPainterPath& suitShape(Suit s);

// Fills the sign of the given height centred on `centre`; `upsideDown` turns
// it over, as on the lower half of a card.
void drawSuit(QPainter& p, Suit s, QPointF centre, qreal height, bool upsideDown = false);
// Same with a custom brush (gradients on the aces, outlines on the icon).
void drawSuit(QPainter& p, Suit s, QPointF centre, qreal height, bool upsideDown,
              const QBrush& brush);

}  // namespace cardgen
