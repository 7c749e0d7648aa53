#include "ui/Fonts.h"

#include <QFontDatabase>

namespace velmora::ui {

void LoadBuiltInFonts() {
  // Bold alone: GameFont is all the text the game draws itself. Each face costs its glyph
  // table's scan before the window can show.
  QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Bold.ttf"));
}

QFont GameFont(double points) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPointSizeF(points);
  font.setBold(true);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace velmora::ui
