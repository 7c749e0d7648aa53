#pragma once

#include "ui/SecondaryWindow.h"

namespace velmora::ui {

// The About box: the icon, the game's name and version, and OK.
class AboutBox final : public SecondaryWindow {
  Q_OBJECT
 public:
  static constexpr int kClientWidth = 7392;  // twips
  static constexpr int kClientHeight = 4860;
  static inline const QColor kIconGround{192, 192, 192};
  static inline const QColor kLineShade{128, 128, 128};

  AboutBox(CardPictures& pictures, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace velmora::ui
