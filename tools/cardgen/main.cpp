// Paints the game's card faces, card backs and window icon as PNG files.
//
//   velmora_cardgen PICTURES_DIR ICONS_DIR [FONT_DIR]
//
// PICTURES_DIR gets the pictures built into the game, each at 1x, 2x and 3x
// (faceNN.png, faceNN@2x.png, faceNN@3x.png, ...); ICONS_DIR gets the icon
// for the desktop's icon theme (NNxNN.png). FONT_DIR defaults to Debian's
// fonts-liberation2 location.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>

#include <cstdio>

#include "backs.h"
#include "faces.h"
#include "icon.h"
#include "paint.h"

namespace {

// The scales the game picks from to match the screen.
constexpr int kScales[] = {1, 2, 3};
// The sizes desktops ask an icon theme for.
constexpr int kThemeIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

bool save(const QImage& image, const QDir& dir, const QString& name) {
  const QString path = dir.filePath(name);
  QImageWriter writer(path, "PNG");
  // The pictures ship inside the game: spend the time on the smallest file.
  writer.setQuality(0);
  if (writer.write(image)) return true;
  std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
  return false;
}

// "face01.png" at 1x, "face01@2x.png" above: the names Qt's high-resolution
// loading knows.
QString variant(const QString& stem, int scale) {
  return scale == 1 ? stem + ".png" : QString("%1@%2x.png").arg(stem).arg(scale);
}

QString numbered(const char* stem, int n) {
  return QString("%1%2").arg(stem).arg(n, 2, 10, QChar('0'));
}

bool existingDir(const QString& path) {
  if (QDir(path).exists()) return true;
  std::fprintf(stderr, "no such directory: %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 3 || args.size() > 4) {
    std::fprintf(stderr, "usage: %s PICTURES_DIR ICONS_DIR [FONT_DIR]\n", argv[0]);
    return 2;
  }
  if (!existingDir(args[1]) || !existingDir(args[2])) return 2;
  const QDir pictures(args[1]);
  const QDir icons(args[2]);
  const QString fonts = args.size() == 4 ? args[3] : "/usr/share/fonts/truetype/liberation2";
  if (!cardgen::loadFonts(fonts)) {
    std::fprintf(stderr, "Liberation Sans/Serif Bold not found in %s\n", qPrintable(fonts));
    return 1;
  }

  bool ok = true;
  for (const int scale : kScales) {
    for (int n = 1; n <= 52; ++n)
      ok &= save(cardgen::paintFace(n, scale), pictures, variant(numbered("face", n), scale));
    for (int b = 1; b <= cardgen::kBackCount; ++b)
      ok &= save(cardgen::paintBack(b, scale), pictures, variant(numbered("back", b), scale));
    ok &= save(cardgen::paintIcon(cardgen::kIconSize * scale), pictures, variant("icon", scale));
  }
  for (const int size : kThemeIconSizes)
    ok &= save(cardgen::paintIcon(size), icons, QString("%1x%1.png").arg(size));
  return ok ? 0 : 1;
}
