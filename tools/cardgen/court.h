// The twelve court figures (jack, queen and king of each suit).
#pragma once

#include <QColor>
#include <QPainter>

#include "suits.h"

namespace cardgen {

// Light ground behind the figure, chosen per figure to set it off.
QColor courtBackdrop(Suit s, int rank);

// Paints the upper half of the double-headed figure for rank 11..13 in card
// coordinates (head near (36, 21), waist cut at y = 52). The caller clips and
// repeats it turned over for the lower half.
void drawCourtHalf(QPainter& p, Suit s, int rank);

}  // namespace cardgen
