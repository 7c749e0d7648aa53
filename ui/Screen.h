#pragma once

#include <QRect>

class QWidget;

namespace velmora::ui {

// Twips convert at the screen's logical dpi (96 on a standard screen: 15 twips a pixel).
double LogicalDpi();

// A length or a rectangle laid out in twips, in pixels of the screen.
int TwipsToScreen(int twips);
QRect TwipRect(int left, int top, int width, int height);

// Where a window's frame goes to be centred on the screen by its outer size, with the game's
// rounding rule; and the move there.
QPoint CentredOnScreen(const QWidget& window);
void CentreOnScreen(QWidget& window);

}  // namespace velmora::ui
