#pragma once

#include <array>
#include <cstdint>

#include "core/GameState.h"
#include "core/Views.h"

namespace velmora {

// The board as drawn: passes every picture on to the window and remembers what each slot
// shows. A slot's state alone cannot tell a face on show from a back (the second card of a
// turn and a hinted card are face down while their faces show), and a redraw must know.
class ShownBoard final : public BoardView {
 public:
  enum class Picture { Nothing, Face, Back };

  explicit ShownBoard(BoardView& window) : window_(window) {}

  void ShowFace(Int16 slot, Int16 cardNo) override;
  void ShowBack(Int16 slot, Int16 backIndex) override;
  void ClearSlot(Int16 slot) override;
  void ShowHint(Int16 slot, Int16 cardNo) override;
  void Dealt() override { window_.Dealt(); }

  Picture Shows(Int16 slot) const { return slots_.at(Index(slot)).picture; }
  // Counts the slot's drawings, so a caller can tell whether anyone drew it since it did.
  std::uint64_t Drawings(Int16 slot) const { return slots_.at(Index(slot)).drawings; }

 private:
  struct Drawn {
    Picture picture = Picture::Nothing;
    std::uint64_t drawings = 0;
  };
  static std::size_t Index(Int16 slot) { return static_cast<std::size_t>(slot); }
  void Note(Int16 slot, Picture picture);

  BoardView& window_;
  std::array<Drawn, kCardCount + 1> slots_{};
};

}  // namespace velmora
