#pragma once

#include <QColor>
#include <QRect>
#include <QWidget>

class QPainter;

namespace velmora::ui {

// The keyboard focus mark: a yellow band with a black band inside it, each 3 px. Every colour
// stands out at least 3:1 against one of the two, and the yellow 15:1 against the navy board,
// so the mark shows on any card, any back and the window alike.
inline const QColor kFocusOuter{255, 255, 0};
inline const QColor kFocusInner{0, 0, 0};
inline constexpr int kFocusBand = 3;

// Draws the mark inside `outer`.
void PaintFocusMark(QPainter& painter, const QRect& outer);

// The mark around another widget, drawn just outside it while that widget has the keyboard
// focus. It changes no geometry and takes no clicks.
class FocusMarkAround final : public QWidget {
  Q_OBJECT
 public:
  explicit FocusMarkAround(QWidget* target);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QWidget* target_;
};

}  // namespace velmora::ui
