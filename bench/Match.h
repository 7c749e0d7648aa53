#pragma once

#include <cstdint>
#include <deque>
#include <random>
#include <stdexcept>
#include <vector>

#include "engine/Game.h"
#include "support/FakeSettingsHost.h"
#include "support/RecordingView.h"
#include "support/VirtualPump.h"

namespace velmora::bench {

using testing::SlotPicture;

// The face-down slots as bits: bit s for slot s.
using SlotSet = std::uint64_t;

inline std::vector<Int16> Slots(SlotSet set) {
  std::vector<Int16> slots;
  for (Int16 s = 1; s <= kCardCount; ++s) {
    if (set >> s & 1u) slots.push_back(s);
  }
  return slots;
}

// A player as the engine sees one: it is told every face that shows and every pair that goes,
// and picks the next slot to turn among the face-down ones.
class ModelPlayer {
 public:
  virtual ~ModelPlayer() = default;
  virtual void Seen(Int16 slot, Int16 cardNo) = 0;
  virtual void Gone(Int16 slot) = 0;
  // firstUp: the slot of the player's own face-up first card, or 0 when none is up.
  virtual Int16 Choose(SlotSet faceDown, Int16 firstUp) = 0;
  virtual void NewDeal() = 0;
};

// Remembers the last `capacity` distinct cards it saw (a card seen again counts as the latest);
// unlimited capacity is perfect memory, zero is a player who turns cards at random.
class RememberingPlayer final : public ModelPlayer {
 public:
  static constexpr std::size_t kPerfect = 1000;

  RememberingPlayer(std::size_t capacity, std::uint64_t seed)
      : capacity_(capacity), chance_(seed) {}

  void Seen(Int16 slot, Int16 cardNo) override {
    if (capacity_ == 0) return;
    Gone(slot);
    recent_.push_back({slot, static_cast<Int16>(cardNo % 13)});
    if (recent_.size() > capacity_) recent_.pop_front();
  }
  void Gone(Int16 slot) override {
    for (auto it = recent_.begin(); it != recent_.end(); ++it) {
      if (it->slot == slot) {
        recent_.erase(it);
        return;
      }
    }
  }
  void NewDeal() override { recent_.clear(); }

  Int16 Choose(SlotSet faceDownSet, Int16 firstUp) override {
    const std::vector<Int16> faceDown = Slots(faceDownSet);
    if (firstUp != 0) {
      // A remembered partner of the card on show, else a card not yet seen.
      const Known* first = Find(firstUp);
      for (const Known& k : recent_) {
        if (first != nullptr && k.slot != firstUp && k.value == first->value) return k.slot;
      }
      return Unseen(faceDown, firstUp);
    }
    // A remembered pair first; otherwise open with an unseen card, whose partner may be known.
    for (std::size_t a = 0; a < recent_.size(); ++a) {
      for (std::size_t b = a + 1; b < recent_.size(); ++b) {
        if (recent_[a].value == recent_[b].value) return recent_[a].slot;
      }
    }
    return Unseen(faceDown, 0);
  }

 private:
  struct Known {
    Int16 slot;
    Int16 value;
  };

  const Known* Find(Int16 slot) const {
    for (const Known& k : recent_) {
      if (k.slot == slot) return &k;
    }
    return nullptr;
  }

  Int16 Unseen(const std::vector<Int16>& faceDown, Int16 except) {
    std::vector<Int16> from;
    for (Int16 s : faceDown) {
      if (s != except && Find(s) == nullptr) from.push_back(s);
    }
    if (from.empty()) {
      for (Int16 s : faceDown) {
        if (s != except) from.push_back(s);
      }
    }
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(chance_)];
  }

  std::size_t capacity_;
  std::mt19937_64 chance_;
  std::deque<Known> recent_;
};

// The whole engine against a recording view on the virtual clock: the computer's turns and all
// their pauses run inside the player's clicks, so a game costs only the engine's own work.
class Match {
 public:
  struct Result {
    int computer = 0;
    int player = 0;
    int clicks = 0;
    bool ComputerWon() const { return computer > player; }  // a tie goes to the player
  };

  explicit Match(std::uint64_t seed, Int16 memorySize)
      : random_([seed, deals = std::uint64_t{0}]() mutable { return seed * 1000003u + deals++; }),
        game_(view_, pump_, random_, host_, "/nonexistent") {
    view_.clock = [this] { return pump_.Now(); };
    view_.onOpenModal = [](Window) {};
    game_.state().BackIndex = 1;
    game_.Form_Load();
    switch (memorySize) {
      case 5:
        game_.mnu_Beginner_Click();
        break;
      case 15:
        game_.mnu_Advanced_Click();
        break;
      default:
        game_.mnu_Intermediate_Click();
    }
  }

  Match(const Match&) = delete;
  Match& operator=(const Match&) = delete;

  // Deals anew and plays the deal to its result.
  Result Play(ModelPlayer& player) {
    game_.mnu_NewGame_Click();
    player.NewDeal();
    Tell(player);
    Result result;
    while (game_.fields().GameOver == kFalse) {
      const GameState& state = game_.state();
      const Int16 firstUp = state.FirstCardUp != kFalse ? state.TurnPair[1] : Int16{0};
      // A pair's last card is always face down when the game is not over.
      if (backs_ == 0 || ++result.clicks > 10000) {
        throw std::logic_error("the game stopped before its end");
      }
      game_.img_Cards_Click(player.Choose(backs_, firstUp));
      Tell(player);
    }
    result.computer = game_.state().Scores[0];
    result.player = game_.state().Scores[1];
    return result;
  }

 private:
  // Hands the player what showed since the last look, notes which slots show backs, and keeps
  // the logs short.
  void Tell(ModelPlayer& player) {
    for (const testing::BoardChange& change : view_.boardLog) {
      const SlotSet bit = SlotSet{1} << change.slot;
      backs_ = change.picture.kind == SlotPicture::Back ? backs_ | bit : backs_ & ~bit;
      if (change.picture.kind == SlotPicture::Face) player.Seen(change.slot, change.picture.number);
      if (change.picture.kind == SlotPicture::Nothing) player.Gone(change.slot);
    }
    view_.boardLog.clear();
    view_.matchLog.clear();
    view_.clockLog.clear();
    view_.checkLog.clear();
    view_.visibilityLog.clear();
  }

  testing::RecordingView view_;
  testing::VirtualPump pump_;
  ClockSeededRandom random_;
  testing::FakeSettingsHost host_;
  Game game_;
  SlotSet backs_ = 0;
};

}  // namespace velmora::bench
