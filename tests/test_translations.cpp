#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTranslator>
#include <QXmlStreamReader>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/Texts.h"
#include "ui/AboutBox.h"
#include "ui/BacksWindow.h"
#include "ui/CardPictures.h"
#include "ui/MainWindow.h"
#include "ui/Narrator.h"
#include "ui/QtEventPump.h"
#include "ui/RulesWindow.h"
#include "ui/ShuffleNotice.h"

namespace velmora::ui {
namespace {

// Every language with a translation file in the source tree, so a new one is checked at once.
std::vector<std::string> Languages() {
  std::vector<std::string> languages;
  for (const auto& file : std::filesystem::directory_iterator(VELMORA_TRANSLATIONS_DIR)) {
    const std::string stem = file.path().stem().string();  // velmora_pt_BR
    if (file.path().extension() == ".ts") languages.push_back(stem.substr(stem.find('_') + 1));
  }
  std::sort(languages.begin(), languages.end());
  return languages;
}

std::string Placeholders(const QString& text) {
  QStringList found;
  for (const auto& match : QRegularExpression(QStringLiteral("%(\\d|n)")).globalMatch(text)) {
    found << match.captured();
  }
  found.sort();
  found.removeDuplicates();
  return found.join(QLatin1Char(' ')).toStdString();
}

class TranslationTest : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    const QString file =
        QStringLiteral(":/i18n/velmora_%1.qm").arg(QString::fromStdString(GetParam()));
    ASSERT_TRUE(translator_.load(file)) << file.toStdString();
    QCoreApplication::installTranslator(&translator_);
  }
  void TearDown() override { QCoreApplication::removeTranslator(&translator_); }

  QTranslator translator_;
};

// lrelease ships an unfinished entry as English; a lost placeholder drops a card or a count.
TEST_P(TranslationTest, EveryEntryIsFinishedAndKeepsItsPlaceholders) {
  QFile ts(QStringLiteral(VELMORA_TRANSLATIONS_DIR "/velmora_%1.ts")
               .arg(QString::fromStdString(GetParam())));
  ASSERT_TRUE(ts.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&ts);
  QString source;
  int entries = 0;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("source")) {
      source = xml.readElementText();
      ++entries;
    } else if (xml.name() == QLatin1String("translation")) {
      EXPECT_NE(xml.attributes().value(QLatin1String("type")), QLatin1String("unfinished"))
          << source.toStdString();
      if (xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished")) continue;
      QStringList forms;
      if (source.contains(QLatin1String("%n"))) {
        while (xml.readNextStartElement()) forms << xml.readElementText();  // each numerus form
      } else {
        forms << xml.readElementText();
      }
      for (const QString& form : forms) {
        EXPECT_FALSE(form.isEmpty()) << source.toStdString();
        EXPECT_EQ(Placeholders(form), Placeholders(source)) << form.toStdString();
      }
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_GT(entries, 90);
}

// The access keys: one per caption that has one in English, none shared within a menu.
TEST_P(TranslationTest, EachMenuKeepsItsAccessKeysUnique) {
  CardPictures pictures;
  QtEventPump pump;
  MainWindow window(pump, pictures);
  std::vector<QList<QAction*>> menus = {window.menuBar()->actions()};
  for (QMenu* menu : window.findChildren<QMenu*>()) menus.push_back(menu->actions());
  for (const QList<QAction*>& actions : menus) {
    QStringList keys;
    for (const QAction* action : actions) {
      const QString caption = action->text();
      const qsizetype at = caption.indexOf(QLatin1Char('&'));
      if (action->isSeparator() || at < 0) continue;
      EXPECT_EQ(caption.count(QLatin1Char('&')), 1) << caption.toStdString();
      const QString key = caption.mid(at + 1, 1).toLower();
      EXPECT_FALSE(keys.contains(key)) << caption.toStdString() << " shares its key";
      keys << key;
    }
  }
  // The English captions with a key keep one.
  EXPECT_TRUE(window.MenuAction("mnu_NewGame")->text().contains(QLatin1Char('&')));
  EXPECT_EQ(window.MenuAction("mnu_NewGame")->shortcut(), QKeySequence(Qt::Key_F2));
  EXPECT_EQ(window.MenuAction("mnu_Hint")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
}

// Whether each caption fits its box, in whatever scale the test runs at: every label's and
// button's text in its own font, within the room its frame leaves. Each is one line of the
// English boxes' fonts, so the width can differ, and the ink of an accent over a capital ("À",
// "Ü", "Ś") may rise above the line the box was laid out for.
void ExpectCaptionsFit(const QWidget& window) {
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (label->text().isEmpty() || !label->pixmap().isNull()) continue;
    const QFontMetrics metrics = label->fontMetrics();
    const std::string name = label->objectName().toStdString() + ": " + label->text().toStdString();
    EXPECT_LE(metrics.horizontalAdvance(label->text()), label->contentsRect().width()) << name;
    if (label->text().contains(QLatin1Char('\n'))) continue;
    const QRect line = QStyle::alignedRect(
        Qt::LeftToRight, label->alignment() & Qt::AlignVertical_Mask,
        QSize(label->contentsRect().width(), metrics.height()), label->contentsRect());
    // Within the label: only the panel's captions have margins, and they draw into them.
    const QRect ink = metrics.tightBoundingRect(label->text());
    EXPECT_GE(line.top() + metrics.ascent() + ink.top(), 0) << name;
    EXPECT_LE(line.top() + metrics.ascent() + ink.bottom(), label->height()) << name;
  }
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect room =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QString shown = QString(button->text()).remove(QLatin1Char('&'));
    EXPECT_LE(button->fontMetrics().horizontalAdvance(shown), room.width())
        << button->objectName().toStdString() << ": " << shown.toStdString();
  }
}

class NoBacksEvents final : public BacksEvents {
  void Form_Load(BacksView&) override {}
  void img_Back_Click(Int16) override {}
  void cmd_Ok_Click() override {}
  void cmd_Cancel_Click() override {}
  void Form_Unload() override {}
};

TEST_P(TranslationTest, EveryCaptionFitsItsBox) {
  CardPictures pictures;
  QtEventPump pump;
  MainWindow window(pump, pictures);
  // Every caption the game may set, one after the other in the same box.
  const std::vector<std::pair<Label, std::vector<const char*>>> captions = {
      {Label::Match,
       {text::kYourTurn, text::kComputersTurn, text::kComputerWins, text::kYouWin,
        text::kGreatJob}},
      {Label::GameMode, {"Computer", "Practice"}},
      {Label::Level, {"Beginner", "Intermediate", "Advanced"}},
  };
  for (const auto& [label, texts] : captions) {
    for (const char* text : texts) {
      window.SetCaption(label, text);
      ExpectCaptionsFit(window);
    }
  }
  NoBacksEvents events;
  ExpectCaptionsFit(BacksWindow(pump, pictures, events, &window));
  ExpectCaptionsFit(AboutBox(pictures, &window));
  ExpectCaptionsFit(ShuffleNotice(pictures, &window));

  // How To Play: every printed line within the window, and all of them above the button.
  RulesWindow rules(pictures, &window);
  const int okTop = rules.findChild<QPushButton*>()->y();
  EXPECT_LE(rules.Lines().size() * rules.LineHeight(), okTop) << rules.Lines().size() << " lines";
  for (const QString& line : rules.Lines()) {
    EXPECT_LE(rules.fontMetrics().horizontalAdvance(line), rules.width()) << line.toStdString();
  }
  ExpectCaptionsFit(rules);
}

// The scores' plural forms come from each language's own rules; English has none to load.
TEST(TranslationPluralTest, ScoresTakeTheLanguagesPluralForms) {
  const struct {
    const char* language;
    int pairs;
    const char* said;
  } cases[] = {
      {"", 0, "Computer, 0 pairs"},     {"", 1, "Computer, 1 pair"},
      {"", 2, "Computer, 2 pairs"},     {"de", 1, "Computer, 1 Paar"},
      {"de", 2, "Computer, 2 Paare"},   {"uk", 1, "Комп’ютер, 1 пара"},
      {"uk", 3, "Комп’ютер, 3 пари"},   {"uk", 11, "Комп’ютер, 11 пар"},
      {"uk", 21, "Комп’ютер, 21 пара"}, {"uk", 24, "Комп’ютер, 24 пари"},
  };
  for (const auto& c : cases) {
    QTranslator translator;
    if (*c.language != '\0') {
      ASSERT_TRUE(
          translator.load(QStringLiteral(":/i18n/velmora_%1.qm").arg(QLatin1String(c.language))));
      QCoreApplication::installTranslator(&translator);
    }
    EXPECT_EQ(Narrator::Score(0, QStringLiteral(" %1").arg(c.pairs)), QString::fromUtf8(c.said));
    QCoreApplication::removeTranslator(&translator);
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationTest, ::testing::ValuesIn(Languages()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace velmora::ui
