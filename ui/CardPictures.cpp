#include "ui/CardPictures.h"

#include <QString>
#include <stdexcept>

namespace velmora::ui {

namespace {

const QPixmap& Load(QPixmap& slot, const QString& resource) {
  if (slot.isNull() && !slot.load(resource)) {
    throw std::runtime_error("missing built-in picture " + resource.toStdString());
  }
  return slot;
}

QString Numbered(const char* stem, int n) {
  return QStringLiteral(":/pictures/%1%2.png").arg(stem).arg(n, 2, 10, QLatin1Char('0'));
}

}  // namespace

const QPixmap& CardPictures::Face(int cardNo) {
  return Load(faces_.at(static_cast<std::size_t>(cardNo)), Numbered("face", cardNo));
}

const QPixmap& CardPictures::Back(int index) {
  if (index < 1) throw std::out_of_range("no card back 0");
  return Load(backs_.at(static_cast<std::size_t>(index)), Numbered("back", index));
}

const QPixmap& CardPictures::Icon() {
  return Load(icon_, QStringLiteral(":/pictures/icon.png"));
}

QSize CardPictures::BackSize(int index) {
  static constexpr int kWidths[13] = {0, 74, 80, 72, 75, 70, 76, 76, 76, 77, 74, 64, 84};
  static constexpr int kHeights[13] = {0,   100, 100, 100, 100, 100, 100,
                                       101, 102, 100, 100, 100, 100};
  if (index < 1 || index > 12) return {};
  return {kWidths[index], kHeights[index]};
}

}  // namespace velmora::ui
