#pragma once

namespace velmora {

// The texts the game shows, word for word.
namespace text {
inline constexpr const char* kYourTurn = "Your Turn!";
inline constexpr const char* kComputersTurn = "Computer's Turn!";
inline constexpr const char* kComputerWins = "Computer Wins!";
inline constexpr const char* kYouWin = "You Win!";
inline constexpr const char* kGreatJob = "Great Job!";
inline constexpr const char* kMustDeal = "You must deal new cards!";
inline constexpr const char* kMessageTitle = "Mindflip";
}  // namespace text

// The lengths of the game's pauses, in seconds.
namespace pause {
inline constexpr float kAfterCard = 0.75f;  // after each card turned, and the hint's glimpse
inline constexpr float kLook = 2.0f;        // both faces of a pair on show; the wait before
                                            // the computer's turn
}  // namespace pause

}  // namespace velmora
