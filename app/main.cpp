#include <unistd.h>

#include <QApplication>
#include <cstdio>

#include "core/Random.h"
#include "engine/Game.h"
#include "ui/CardPictures.h"
#include "ui/Fonts.h"
#include "ui/Language.h"
#include "ui/MainWindow.h"
#include "ui/QtEventPump.h"
#include "ui/QtSettingsHost.h"
#include "ui/StartupPlatform.h"

namespace {

// The game from its first window to its end; returns the exit code. Every window and the
// game's own objects are gone when it returns.
int Play() {
  QApplication::setApplicationName(QStringLiteral("Velmora Concentration"));
  // Lets the desktop match the window to the installed entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.velmora.concentration"));
  velmora::ui::LoadBuiltInFonts();
  velmora::ui::UseDesktopLanguage();

  velmora::ui::CardPictures pictures;  // the icon comes after the first paint (MainWindow)

  velmora::ui::QtEventPump pump;
  velmora::ui::QtSettingsHost settingsHost;
  velmora::ClockSeededRandom random;
  velmora::ui::MainWindow window(pump, pictures);
  velmora::Game game(window, pump, random, settingsHost);
  window.SetEvents(&game);

  try {
    game.Form_Initialize();  // reads the settings before any window shows
  } catch (const velmora::ProgramEnd& end) {
    return end.exitCode;
  }
  game.Form_Load();
  window.ShowCentred();
  return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
  // Chosen before Qt starts, which would abort without a display it can use.
  const velmora::ui::PlatformChoice choice =
      velmora::ui::ChoosePlatform(velmora::ui::ReadDisplayEnvironment());
  if (!choice.failure.empty()) {
    std::fprintf(stderr, "%s\n", choice.failure.c_str());
    return 1;
  }
  if (!choice.platform.empty()) qputenv("QT_QPA_PLATFORM", choice.platform.c_str());

  QApplication app(argc, argv);
  const int code = Play();
  // Nothing is left to write: the settings file is written, and synced, when a back is
  // confirmed, and the game keeps no other file. So the process ends here without Qt's own
  // teardown, whose Wayland part (Qt 6.4) can wait forever for its event thread.
  std::fflush(stdout);
  std::fflush(stderr);
  _exit(code);
}
