#include "core/Twips.h"

#include <cmath>

namespace velmora {

int TwipsToPixels(double twips, double dpi) {
  return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

PixelRect TwipsToPixels(double left, double top, double width, double height, double dpi) {
  const int x = TwipsToPixels(left, dpi);
  const int y = TwipsToPixels(top, dpi);
  return {x, y, TwipsToPixels(left + width, dpi) - x, TwipsToPixels(top + height, dpi) - y};
}

int CentredOrigin(double screenTwips, double outerTwips) {
  const double difference = std::nearbyint(screenTwips - outerTwips);  // ties to even
  return static_cast<int>(difference / 2.0);                           // truncates toward zero
}

}  // namespace velmora
