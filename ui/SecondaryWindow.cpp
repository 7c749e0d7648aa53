#include "ui/SecondaryWindow.h"

#include <QKeyEvent>
#include <QPushButton>

#include "ui/CardPictures.h"
#include "ui/Fonts.h"
#include "ui/Palette.h"
#include "ui/Screen.h"
#include "ui/WindowPlacement.h"

namespace velmora::ui {

namespace {
constexpr double kButtonFontPoints = 7.8;
}  // namespace

SecondaryWindow::SecondaryWindow(const char* name, const QString& title, int clientWidth,
                                 int clientHeight, CardPictures& pictures, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QString::fromLatin1(name));
  setWindowTitle(title);
  setWindowIcon(pictures.Icon());
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setModal(true);
  setFixedSize(TwipsToScreen(clientWidth), TwipsToScreen(clientHeight));
  KeepPlaced(*this, Centring::OnScreen);
  setAutoFillBackground(true);
  SetBackground(this, kNavy);
}

QPushButton* SecondaryWindow::AddButton(const char* name, const QString& caption, int left, int top,
                                        int width, int height) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(QString::fromLatin1(name));
  button->setFont(GameFont(kButtonFontPoints));
  button->setGeometry(TwipRect(left, top, width, height));
  return button;
}

void SecondaryWindow::keyPressEvent(QKeyEvent* event) {
  if (ignoreEscape_ && event->matches(QKeySequence::Cancel)) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace velmora::ui
