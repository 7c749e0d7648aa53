#pragma once

#include <QDialog>
#include <QString>

class QPushButton;

namespace velmora::ui {

class CardPictures;

// What every secondary window of the game shares: modal, the game's icon, a close box only, a
// fixed navy client area laid out in twips, and centred on the screen each time it shows.
class SecondaryWindow : public QDialog {
  Q_OBJECT
 protected:
  // clientWidth and clientHeight in twips.
  SecondaryWindow(const char* name, const QString& title, int clientWidth, int clientHeight,
                  CardPictures& pictures, QWidget* parent);

  // A push button in the windows' small bold face, laid out in twips.
  QPushButton* AddButton(const char* name, const QString& caption, int left, int top, int width,
                         int height);
  // For a window without a cancel button: Esc then does nothing instead of closing it.
  void IgnoreEscape() { ignoreEscape_ = true; }

  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool ignoreEscape_ = false;
};

}  // namespace velmora::ui
