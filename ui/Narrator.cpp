#include "ui/Narrator.h"

#include <QCoreApplication>

#include "core/Texts.h"
#include "ui/Language.h"

namespace velmora::ui {

namespace {
constexpr int kComputer = 0;
constexpr int kPlayer = 1;

// Every sentence is a whole template, so that each language orders its words its own way; the
// callers mark theirs for the translators' tools.
QString Said(const char* sentence) {
  return QCoreApplication::translate("Narrator", sentence);
}
}  // namespace

void Narrator::FaceShown(int slot, const QString& card) {
  shows_.at(static_cast<std::size_t>(slot)) = Shows::Face;
  const bool computer = status_ == Translated("Texts", text::kComputersTurn);
  //: Spoken: %1 is the card's place on the board (1 to 52), %2 the card's name ("king of clubs").
  turned_ << (computer ? QCoreApplication::translate("Narrator", "Computer turns card %1, %2.")
                       : QCoreApplication::translate("Narrator", "You turn card %1, %2."))
                 .arg(slot)
                 .arg(card);
}

void Narrator::HintShown(int slot, const QString& card) {
  shows_.at(static_cast<std::size_t>(slot)) = Shows::Hint;
  hint_ = QCoreApplication::translate("Narrator", "Hint: card %1, %2.").arg(slot).arg(card);
}

void Narrator::BackShown(int slot) {
  Shows& shows = shows_.at(static_cast<std::size_t>(slot));
  // A turned card going down is news; a hint's glimpse ending or a new back is not.
  if (shows == Shows::Face) down_ << slot;
  shows = Shows::Back;
}

void Narrator::Cleared(int slot) {
  Shows& shows = shows_.at(static_cast<std::size_t>(slot));
  if (shows != Shows::Nothing) taken_ << slot;
  shows = Shows::Nothing;
}

void Narrator::Dealt() {
  shows_.fill(Shows::Back);
  dealt_ = true;
  turned_.clear();
  hint_.clear();
  down_.clear();
  taken_.clear();
}

void Narrator::CaptionSet(Label label, const QString& text) {
  if (label == Label::Match) {
    statusChanged_ = statusChanged_ || text != status_;
    status_ = text;
  } else if (label == Label::PotComputer || label == Label::PotPlayer) {
    const int side = label == Label::PotComputer ? kComputer : kPlayer;
    QString& score = scores_.at(static_cast<std::size_t>(side));
    if (text.trimmed().toInt() > score.trimmed().toInt())
      scored_.at(static_cast<std::size_t>(side)) = true;
    score = text;
  }
}

QString Narrator::Take() {
  QStringList said;
  if (dealt_) said << QCoreApplication::translate("Narrator", "New deal.");
  said << turned_;
  if (!hint_.isEmpty()) said << hint_;
  if (!down_.isEmpty()) {
    said << Slots(down_, QT_TRANSLATE_NOOP("Narrator", "Card %1 turns face down."),
                  QT_TRANSLATE_NOOP("Narrator", "Cards %1 and %2 turn face down."));
  }
  if (!taken_.isEmpty()) {
    const bool computer = scored_[kComputer] && !scored_[kPlayer];
    said << (computer
                 ? Slots(taken_, QT_TRANSLATE_NOOP("Narrator", "Computer takes the pair, card %1."),
                         QT_TRANSLATE_NOOP("Narrator", "Computer takes the pair, cards %1 and %2."))
                 : Slots(taken_, QT_TRANSLATE_NOOP("Narrator", "You take the pair, card %1."),
                         QT_TRANSLATE_NOOP("Narrator", "You take the pair, cards %1 and %2.")));
    said << Score(kComputer, scores_[kComputer]) + QStringLiteral(". ") +
                Score(kPlayer, scores_[kPlayer]) + QStringLiteral(".");
  }
  if (statusChanged_ && !status_.isEmpty()) said << status_;

  dealt_ = false;
  turned_.clear();
  hint_.clear();
  down_.clear();
  taken_.clear();
  scored_ = {};
  statusChanged_ = false;
  return said.join(QLatin1Char(' '));
}

QString Narrator::Score(int side, const QString& caption) {
  const int pairs = caption.trimmed().toInt();
  //: Spoken, and the score's name for a screen reader: %n is the number of pairs taken.
  const char* sentence = side == kComputer ? QT_TRANSLATE_N_NOOP("Narrator", "Computer, %n pairs")
                                           : QT_TRANSLATE_N_NOOP("Narrator", "Player, %n pairs");
  const QString said = QCoreApplication::translate("Narrator", sentence, nullptr, pairs);
  // A translation brings its language's plural forms; English, which ships none, says the one
  // pair itself.
  const QString untranslated =
      QString::fromLatin1(sentence).replace(QStringLiteral("%n"), QStringLiteral("1"));
  if (pairs == 1 && said == untranslated) return said.chopped(1);
  return said;
}

QString Narrator::Slots(const QList<int>& cards, const char* one, const char* more) {
  if (cards.size() == 1) return Said(one).arg(cards.front());
  QStringList numbers;
  for (int slot : cards) numbers << QString::number(slot);
  const QString last = numbers.takeLast();
  return Said(more).arg(numbers.join(QStringLiteral(", ")), last);
}

}  // namespace velmora::ui
