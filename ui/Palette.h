#pragma once

#include <QColor>
#include <QWidget>

namespace velmora::ui {

inline const QColor kNavy{0, 0, 128};
inline const QColor kWhite{255, 255, 255};
inline const QColor kHighlightText{255, 255, 255};  // the standard scheme's highlighted text
inline const QColor kDarkRed{192, 0, 0};

inline void SetBackground(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
}

inline void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  widget->setPalette(palette);
}

}  // namespace velmora::ui
