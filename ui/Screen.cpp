#include "ui/Screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "core/Twips.h"

namespace velmora::ui {

double LogicalDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
}

int TwipsToScreen(int twips) {
  return TwipsToPixels(twips, LogicalDpi());
}

QRect TwipRect(int left, int top, int width, int height) {
  const PixelRect r = TwipsToPixels(left, top, width, height, LogicalDpi());
  return {r.x, r.y, r.width, r.height};
}

QPoint CentredOnScreen(const QWidget& window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return window.pos();
  const double dpi = LogicalDpi();
  const double twipsPerPixel = kTwipsPerInch / dpi;
  const QRect outer = window.frameGeometry();
  const QRect area = screen->geometry();
  const int left = CentredOrigin(area.width() * twipsPerPixel, outer.width() * twipsPerPixel);
  const int top = CentredOrigin(area.height() * twipsPerPixel, outer.height() * twipsPerPixel);
  return {TwipsToPixels(left, dpi), TwipsToPixels(top, dpi)};
}

void CentreOnScreen(QWidget& window) {
  window.move(CentredOnScreen(window));
}

}  // namespace velmora::ui
