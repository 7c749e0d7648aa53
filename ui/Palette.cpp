#include "ui/Palette.h"

#include <QGuiApplication>
#include <QScreen>

namespace velmora::ui {

double LogicalDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
}

}  // namespace velmora::ui
