#pragma once

#include <QStringList>

#include "ui/SecondaryWindow.h"

namespace velmora::ui {

// "How to Play": the rules printed straight onto the navy window, and an OK button.
class RulesWindow final : public SecondaryWindow {
  Q_OBJECT
 public:
  static constexpr int kClientWidth = 8172;  // twips
  static constexpr int kClientHeight = 6312;

  RulesWindow(CardPictures& pictures, QWidget* parent);

  // The distance from one printed line to the next: the font's height.
  int LineHeight() const;
  // The printed lines, the first one empty, in the player's language.
  const QStringList& Lines() const { return lines_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QStringList lines_;
};

}  // namespace velmora::ui
