#include <QApplication>

#include "core/Random.h"
#include "engine/Game.h"
#include "ui/CardPictures.h"
#include "ui/Fonts.h"
#include "ui/MainWindow.h"
#include "ui/QtEventPump.h"
#include "ui/QtSettingsHost.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Velmora Concentration"));
  // Lets the desktop match the window to the installed entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.velmora.concentration"));
  velmora::ui::LoadBuiltInFonts();

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
  return app.exec();
}
