#include "ui/RulesWindow.h"

#include <QPainter>
#include <QPushButton>

#include "core/Texts.h"
#include "ui/CardPictures.h"
#include "ui/Fonts.h"
#include "ui/Palette.h"

namespace velmora::ui {

namespace {
constexpr double kTextFontPoints = 9.6;
}  // namespace

RulesWindow::RulesWindow(CardPictures& pictures, QWidget* parent)
    : SecondaryWindow("frm_Rules", QStringLiteral("How to Play"), kClientWidth, kClientHeight,
                      pictures, parent) {
  setFont(GameFont(kTextFontPoints));
  // The rules are painted, not held by a control: a screen reader finds them here.
  QStringList rules;
  for (const char* line : text::kRules) rules << QString::fromLatin1(line).trimmed();
  setAccessibleDescription(rules.join(QLatin1Char('\n')).trimmed());

  QPushButton* ok = AddButton("btn_OK", QStringLiteral("OK"), 3600, 5760, 1095, 375);
  ok->setFocus();
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

int RulesWindow::LineHeight() const {
  return fontMetrics().height();
}

void RulesWindow::paintEvent(QPaintEvent*) {
  // Printed afresh from the top on every paint, so a repaint lands where the first one did.
  // Lines run on past the right edge, where the window cuts them; none wraps.
  QPainter painter(this);
  painter.setPen(kWhite);
  const int ascent = fontMetrics().ascent();
  int top = 0;
  for (const char* line : text::kRules) {
    if (*line != '\0') painter.drawText(QPoint(0, top + ascent), QString::fromLatin1(line));
    top += LineHeight();
  }
}

}  // namespace velmora::ui
