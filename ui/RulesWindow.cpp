#include "ui/RulesWindow.h"

#include <QPainter>
#include <QPushButton>

#include "core/Texts.h"
#include "ui/CardPictures.h"
#include "ui/Fonts.h"
#include "ui/Palette.h"
#include "ui/Screen.h"

namespace velmora::ui {

namespace {
constexpr double kTextFontPoints = 9.6;
constexpr double kButtonFontPoints = 7.8;
}  // namespace

RulesWindow::RulesWindow(CardPictures& pictures, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frm_Rules"));
  setWindowTitle(QStringLiteral("How to Play"));
  setWindowIcon(pictures.Icon());
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setModal(true);
  setFixedSize(TwipsToScreen(kClientWidth), TwipsToScreen(kClientHeight));
  setAutoFillBackground(true);
  SetBackground(this, kNavy);
  setFont(GameFont(kTextFontPoints));
  // The rules are painted, not held by a control: a screen reader finds them here.
  QStringList rules;
  for (const char* line : text::kRules) rules << QString::fromLatin1(line).trimmed();
  setAccessibleDescription(rules.join(QLatin1Char('\n')).trimmed());

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("btn_OK"));
  ok->setFont(GameFont(kButtonFontPoints));
  ok->setGeometry(TwipRect(3600, 5760, 1095, 375));
  ok->setFocus();
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

int RulesWindow::LineHeight() const {
  return fontMetrics().height();
}

void RulesWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnScreen(*this);
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
