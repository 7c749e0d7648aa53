// The window icon: two overlapping cards, one face down and one showing a heart.
#pragma once

#include <QImage>

namespace cardgen {

inline constexpr int kIconSize = 64;

QImage paintIcon();

}  // namespace cardgen
