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

// How To Play, one printed line each; the blanks that open a line belong to it.
inline constexpr const char* kRules[] = {
    "",
    "  Mindflip is easy to play, but you have to have a good memory to become an",
    "  expert.  The computer will deal out the cards, this doesn't mean the computer",
    "  knows where the cards are placed.  The object of the game is to win as many",
    "  cards as you can by turning the cards face up in pairs of the same value.",
    "",
    "  At the beginning of play you are to turn two cards face up, one at a time.  If",
    "  they are a pair, such as 2 Aces or 2 Threes, you won the two cards.  See if you",
    "  can turn up another pair.  Keep on playing until you fail to turn up a pair, which,",
    "  at the start of the game, is very often.",
    "",
    "  If you do not turn up a pair with equal values, the cards will be turned face down,",
    "  and the computer will try its luck.",
    "",
    "  As the game goes on, you will be able to remember the positions and values of",
    "  some of the cards that have been turned up, if you concentrate.  If your memory",
    "  is good, you will be able to find these cards when you need them to make pairs",
    "  with other cards you turn face up.",
    "",
    "  The game ends when all the cards have been made into pairs.  The one with the",
    "  highest score is the winner.  A tie is awarded to you!",
    "",
    "  This is a game that interests people of all ages.",
};

inline constexpr const char* kAboutTitle = "Velmora Concentration";
inline constexpr const char* kAboutVersion = "Version 1.0.1Build 0002";
}  // namespace text

// The lengths of the game's pauses, in seconds.
namespace pause {
inline constexpr float kAfterCard = 0.75f;  // after each card turned, and the hint's glimpse
inline constexpr float kLook = 2.0f;        // both faces of a pair on show; the wait before
                                            // the computer's turn
inline constexpr float kBlink = 0.1f;       // a back picture chosen in the chooser blinks
}  // namespace pause

}  // namespace velmora
