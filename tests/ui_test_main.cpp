#include <gtest/gtest.h>

#include <QApplication>

#include "ui/Fonts.h"

// Widget tests share one application on Qt's offscreen platform unless a display is chosen.
int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  velmora::ui::LoadBuiltInFonts();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
