#pragma once

#include <QFont>

namespace velmora::ui {

// Registers the sans-serif face built into the program, so every machine draws the same text.
void LoadBuiltInFonts();

// The game's bold sans-serif at a point size.
QFont GameFont(double points);

}  // namespace velmora::ui
