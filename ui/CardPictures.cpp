#include "ui/CardPictures.h"

#include <QGuiApplication>
#include <QString>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace velmora::ui {

namespace {

QString Numbered(const char* stem, int n) {
  return QStringLiteral("%1%2").arg(stem).arg(n, 2, 10, QLatin1Char('0'));
}

}  // namespace

CardPictures::CardPictures() : CardPictures(qGuiApp->devicePixelRatio()) {}

CardPictures::CardPictures(qreal devicePixelRatio)
    // A ratio a hair above a whole number is rounding, not a finer screen.
    : scale_(std::clamp(static_cast<int>(std::ceil(devicePixelRatio - 0.01)), 1, kMaxScale)) {}

// Qt picks a file's @2x/@3x variant for QIcon only; a QPixmap loads the name it is given, so
// the variant is named here and its ratio set to match.
const QPixmap& CardPictures::Load(QPixmap& slot, const QString& stem) const {
  if (!slot.isNull()) return slot;
  const QString resource = scale_ == 1
                               ? QStringLiteral(":/pictures/%1.png").arg(stem)
                               : QStringLiteral(":/pictures/%1@%2x.png").arg(stem).arg(scale_);
  if (!slot.load(resource)) {
    throw std::runtime_error("missing built-in picture " + resource.toStdString());
  }
  slot.setDevicePixelRatio(scale_);
  return slot;
}

const QPixmap& CardPictures::Face(int cardNo) {
  return Load(faces_.at(static_cast<std::size_t>(cardNo)), Numbered("face", cardNo));
}

const QPixmap& CardPictures::Back(int index) {
  if (index < 1) throw std::out_of_range("no card back 0");
  return Load(backs_.at(static_cast<std::size_t>(index)), Numbered("back", index));
}

const QPixmap& CardPictures::Icon() {
  return Load(icon_, QStringLiteral("icon"));
}

QSize CardPictures::BackSize(int index) {
  static constexpr int kWidths[13] = {0, 74, 80, 72, 75, 70, 76, 76, 76, 77, 74, 64, 84};
  static constexpr int kHeights[13] = {0,   100, 100, 100, 100, 100, 100,
                                       101, 102, 100, 100, 100, 100};
  if (index < 1 || index > 12) return {};
  return {kWidths[index], kHeights[index]};
}

}  // namespace velmora::ui
