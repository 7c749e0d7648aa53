#pragma once

namespace velmora {

// Window geometry is laid out in twips: 1440 to the logical inch of the screen.
inline constexpr double kTwipsPerInch = 1440.0;

struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const PixelRect&) const = default;
};

// A twip coordinate in pixels at the given logical dpi, to the nearest pixel.
int TwipsToPixels(double twips, double dpi);

// Converts the edges rather than the sizes, so neighbours that touch in twips touch on screen.
PixelRect TwipsToPixels(double left, double top, double width, double height, double dpi);

// Where a window of the given outer size starts so that it is centred on the screen: the
// difference rounded to a whole twip (halves to even), then halved, dropping any fraction.
int CentredOrigin(double screenTwips, double outerTwips);

}  // namespace velmora
