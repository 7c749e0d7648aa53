#include "ui/Fonts.h"

#include <QFontDatabase>

namespace velmora::ui {

void LoadBuiltInFonts() {
  QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Bold.ttf"));
  QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
}

QFont GameFont(double points) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPointSizeF(points);
  font.setBold(true);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace velmora::ui
