// Paints the game's card faces, card backs and window icon as PNG files.
//
//   velmora_cardgen OUTPUT_DIR [FONT_DIR]
//
// FONT_DIR defaults to Debian's fonts-liberation2 location.
#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

#include "backs.h"
#include "faces.h"
#include "icon.h"
#include "paint.h"

namespace {

bool save(const QImage& image, const QDir& dir, const QString& name) {
  const QString path = dir.filePath(name);
  if (image.save(path, "PNG")) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 2 || args.size() > 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR [FONT_DIR]\n", argv[0]);
    return 2;
  }
  const QDir out(args[1]);
  if (!out.exists()) {
    std::fprintf(stderr, "no such directory: %s\n", qPrintable(args[1]));
    return 2;
  }
  const QString fonts = args.size() == 3 ? args[2] : "/usr/share/fonts/truetype/liberation2";
  if (!cardgen::loadFonts(fonts)) {
    std::fprintf(stderr, "Liberation Sans/Serif Bold not found in %s\n", qPrintable(fonts));
    return 1;
  }

  bool ok = true;
  for (int n = 1; n <= 52; ++n)
    ok &= save(cardgen::paintFace(n), out, QString("face%1.png").arg(n, 2, 10, QChar('0')));
  for (int b = 1; b <= cardgen::kBackCount; ++b)
    ok &= save(cardgen::paintBack(b), out, QString("back%1.png").arg(b, 2, 10, QChar('0')));
  ok &= save(cardgen::paintIcon(), out, "icon.png");
  return ok ? 0 : 1;
}
