#pragma once

#include <QPixmap>
#include <array>

namespace velmora::ui {

// The picture sets built into the program: 52 faces, 12 backs and the window icon.
// Pictures load on first use and stay until the holder goes away.
class CardPictures {
 public:
  static constexpr int kFaceWidth = 64;
  static constexpr int kFaceHeight = 104;

  const QPixmap& Face(int cardNo);  // 1..52
  const QPixmap& Back(int index);   // 1..12
  const QPixmap& Icon();

  static QSize BackSize(int index);

 private:
  std::array<QPixmap, 53> faces_;
  std::array<QPixmap, 13> backs_;
  QPixmap icon_;
};

}  // namespace velmora::ui
