#pragma once

#include <QPixmap>
#include <array>

namespace velmora::ui {

// The picture sets built into the program: 52 faces, 12 backs and the window icon, each drawn
// at 1x, 2x and 3x. The pixmaps handed out carry the device pixel ratio of the set chosen, so
// they keep their logical sizes (a face is 64x104) and are drawn, not stretched, on screens
// scaled by 100, 200 or 300 %. Pictures load on first use and stay until the holder goes away.
class CardPictures {
 public:
  static constexpr int kFaceWidth = 64;
  static constexpr int kFaceHeight = 104;
  static constexpr int kMaxScale = 3;

  // The set for the application's device pixel ratio (the highest of its screens).
  CardPictures();
  // The set for `devicePixelRatio`, rounded up: a 1.5 screen shrinks the 2x pictures, which
  // stays sharper than blowing up the 1x ones.
  explicit CardPictures(qreal devicePixelRatio);

  const QPixmap& Face(int cardNo);  // 1..52
  const QPixmap& Back(int index);   // 1..12
  const QPixmap& Icon();

  // In logical pixels, whatever the set.
  static QSize BackSize(int index);

 private:
  const QPixmap& Load(QPixmap& slot, const QString& stem) const;

  int scale_;
  std::array<QPixmap, 53> faces_;
  std::array<QPixmap, 13> backs_;
  QPixmap icon_;
};

}  // namespace velmora::ui
