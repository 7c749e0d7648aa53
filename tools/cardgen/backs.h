// The twelve card backs, each a different pattern or scene in a light border.
#pragma once

#include <QImage>
#include <QSize>

namespace cardgen {

inline constexpr int kBackCount = 12;

// Size of back 1..12; the backs deliberately differ in size.
QSize backSize(int index);

// `scale` is pixels per unit of backSize(index).
QImage paintBack(int index, int scale);

}  // namespace cardgen
