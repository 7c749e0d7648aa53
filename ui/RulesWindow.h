#pragma once

#include <QDialog>

namespace velmora::ui {

class CardPictures;

// "How to Play": the rules printed straight onto the navy window, and an OK button.
class RulesWindow final : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kClientWidth = 8172;  // twips
  static constexpr int kClientHeight = 6312;

  RulesWindow(CardPictures& pictures, QWidget* parent);

  // The distance from one printed line to the next: the font's height.
  int LineHeight() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace velmora::ui
