#include "ui/Narrator.h"

#include "core/Texts.h"

namespace velmora::ui {

namespace {
constexpr int kComputer = 0;
constexpr int kPlayer = 1;
}  // namespace

void Narrator::FaceShown(int slot, const QString& card) {
  shows_.at(static_cast<std::size_t>(slot)) = Shows::Face;
  const bool computer = status_ == QLatin1String(text::kComputersTurn);
  turned_ << QStringLiteral("%1 card %2, %3.")
                 .arg(computer ? QStringLiteral("Computer turns") : QStringLiteral("You turn"))
                 .arg(slot)
                 .arg(card);
}

void Narrator::HintShown(int slot, const QString& card) {
  shows_.at(static_cast<std::size_t>(slot)) = Shows::Hint;
  hint_ = QStringLiteral("Hint: card %1, %2.").arg(slot).arg(card);
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
  if (dealt_) said << QStringLiteral("New deal.");
  said << turned_;
  if (!hint_.isEmpty()) said << hint_;
  if (!down_.isEmpty()) {
    said << QStringLiteral("%1 %2 face down.")
                .arg(Slots(down_))
                .arg(down_.size() == 1 ? QStringLiteral("turns") : QStringLiteral("turn"));
  }
  if (!taken_.isEmpty()) {
    const bool computer = scored_[kComputer] && !scored_[kPlayer];
    said << QStringLiteral("%1 the pair, %2.")
                .arg(computer ? QStringLiteral("Computer takes") : QStringLiteral("You take"))
                .arg(Slots(taken_).toLower());
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
  const QString pairs = caption.trimmed();
  return QStringLiteral("%1, %2 %3")
      .arg(side == kComputer ? QStringLiteral("Computer") : QStringLiteral("Player"))
      .arg(pairs)
      .arg(pairs == QLatin1String("1") ? QStringLiteral("pair") : QStringLiteral("pairs"));
}

QString Narrator::Slots(const QList<int>& cards) {
  if (cards.size() == 1) return QStringLiteral("Card %1").arg(cards.front());
  QStringList numbers;
  for (int slot : cards) numbers << QString::number(slot);
  const QString last = numbers.takeLast();
  return QStringLiteral("Cards %1 and %2").arg(numbers.join(QStringLiteral(", ")), last);
}

}  // namespace velmora::ui
