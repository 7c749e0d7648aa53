#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QGuiApplication>
#include <QImage>
#include <set>
#include <vector>

#include "ui/CardPictures.h"

namespace velmora::ui {
namespace {

// Share of clearly red pixels: red suits show red pips, black suits none.
double RedShare(const QImage& image) {
  int red = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 150 && c.green() < 90 && c.blue() < 90) ++red;
    }
  }
  return static_cast<double>(red) / (image.width() * image.height());
}

TEST(CardPicturesTest, FiftyTwoOpaqueFacesOfOneSizeAllDifferent) {
  CardPictures pictures;
  std::set<QByteArray> seen;
  for (int n = 1; n <= 52; ++n) {
    const QImage face = pictures.Face(n).toImage();
    EXPECT_EQ(pictures.Face(n).deviceIndependentSize(), QSizeF(64, 104)) << "face " << n;
    EXPECT_FALSE(face.hasAlphaChannel()) << "face " << n;
    const QImage rgb = face.convertToFormat(QImage::Format_RGB888);
    seen.insert(QCryptographicHash::hash(QByteArrayView(rgb.constBits(), rgb.sizeInBytes()),
                                         QCryptographicHash::Sha256));
  }
  EXPECT_EQ(seen.size(), 52u);
}

TEST(CardPicturesTest, SuitsFollowTheCardNumbersInColour) {
  CardPictures pictures;
  // Number cards 2..10 only: their ink is the suit's alone.
  for (int suit = 0; suit < 4; ++suit) {
    const bool red = suit == 1 || suit == 3;  // diamonds and hearts
    for (int rank = 2; rank <= 10; ++rank) {
      const int n = suit * 13 + rank;
      const double share = RedShare(pictures.Face(n).toImage());
      if (red) {
        EXPECT_GT(share, 0.02) << "card " << n;
      } else {
        EXPECT_LT(share, 0.002) << "card " << n;
      }
    }
  }
}

TEST(CardPicturesTest, TwelveBacksAtTheirOwnSizesAndAnIcon) {
  CardPictures pictures;
  std::set<QByteArray> seen;
  for (int b = 1; b <= 12; ++b) {
    const QImage back = pictures.Back(b).toImage();
    EXPECT_EQ(pictures.Back(b).deviceIndependentSize(), QSizeF(CardPictures::BackSize(b)))
        << "back " << b;
    EXPECT_FALSE(back.hasAlphaChannel()) << "back " << b;
    const QImage scaled = back.scaled(64, 100).convertToFormat(QImage::Format_RGB888);
    seen.insert(QCryptographicHash::hash(QByteArrayView(scaled.constBits(), scaled.sizeInBytes()),
                                         QCryptographicHash::Sha256));
  }
  EXPECT_EQ(seen.size(), 12u);
  EXPECT_EQ(CardPictures::BackSize(11), QSize(64, 100));
  EXPECT_EQ(CardPictures::BackSize(12), QSize(84, 100));
  EXPECT_EQ(pictures.Icon().deviceIndependentSize(), QSizeF(64, 64));
  EXPECT_THROW(pictures.Back(0), std::out_of_range);
  EXPECT_THROW(pictures.Face(53), std::out_of_range);
}

TEST(CardPicturesTest, EveryPictureComesAtOneTwoAndThreeTimesItsSize) {
  struct Picture {
    QString stem;
    QSize logical;
  };
  std::vector<Picture> all{{"icon", QSize(64, 64)}};
  for (int n = 1; n <= 52; ++n) {
    all.push_back({QStringLiteral("face%1").arg(n, 2, 10, QLatin1Char('0')), QSize(64, 104)});
  }
  for (int b = 1; b <= 12; ++b) {
    all.push_back(
        {QStringLiteral("back%1").arg(b, 2, 10, QLatin1Char('0')), CardPictures::BackSize(b)});
  }
  for (int scale = 1; scale <= CardPictures::kMaxScale; ++scale) {
    for (const Picture& picture : all) {
      const QString name = scale == 1 ? picture.stem + ".png"
                                      : QStringLiteral("%1@%2x.png").arg(picture.stem).arg(scale);
      const QImage image(":/pictures/" + name);
      EXPECT_EQ(image.size(), picture.logical * scale) << name.toStdString();
    }
  }
}

TEST(CardPicturesTest, PixmapsCarryTheScaleChosenForTheRatioAndKeepTheirLogicalSize) {
  const struct {
    qreal ratio;
    int scale;
  } cases[] = {{1.0, 1}, {1.5, 2}, {2.0, 2}, {3.0, 3}, {4.0, 3}};
  for (const auto& c : cases) {
    CardPictures pictures(c.ratio);
    for (const QPixmap* pixmap : {&pictures.Face(12), &pictures.Back(12), &pictures.Icon()}) {
      EXPECT_EQ(pixmap->devicePixelRatio(), c.scale) << "ratio " << c.ratio;
    }
    EXPECT_EQ(pictures.Face(12).deviceIndependentSize(), QSizeF(64, 104)) << "ratio " << c.ratio;
    EXPECT_EQ(pictures.Back(12).deviceIndependentSize(), QSizeF(CardPictures::BackSize(12)))
        << "ratio " << c.ratio;
  }
}

// Run by ctest a second time with QT_SCALE_FACTOR=2 (PicturesFollowTheApplicationAtDoubleScale).
// Run twice by ctest: at the usual ratio and at 200 % (PicturesFollowTheApplicationAtDoubleScale).
TEST(CardPicturesTest, TheDefaultSetFollowsTheApplicationsRatio) {
  const int scale = qGuiApp->devicePixelRatio() > 1 ? 2 : 1;
  CardPictures pictures;
  EXPECT_EQ(pictures.Face(1).devicePixelRatio(), scale);
  EXPECT_EQ(pictures.Face(1).size(), QSize(64, 104) * scale);
}

}  // namespace
}  // namespace velmora::ui
