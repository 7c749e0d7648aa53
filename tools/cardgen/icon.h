// The window icon: two overlapping cards, one face down and one showing a heart.
#pragma once

#include <QImage>

namespace cardgen {

// The icon is drawn on a square of this many units.
inline constexpr int kIconSize = 64;

// The icon `pixels` wide and high, painted at that size.
QImage paintIcon(int pixels);

}  // namespace cardgen
