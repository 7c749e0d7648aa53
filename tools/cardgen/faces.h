// The 52 card faces: frame, corner indices, pip layouts and court cards.
#pragma once

#include <QImage>
#include <QSize>

namespace cardgen {

inline constexpr QSize kFaceSize(64, 104);

// Card number 1..52: suits in blocks of 13 (spades, diamonds, clubs, hearts),
// ranks ace..king within each block. `scale` is pixels per unit of kFaceSize.
QImage paintFace(int cardNumber, int scale);

}  // namespace cardgen
