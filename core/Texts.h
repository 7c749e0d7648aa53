#pragma once

namespace velmora {

// Marks a text for the translators' tools, which read it as Qt's QT_TRANSLATE_NOOP (lupdate's
// -tr-function-alias): the game logic keeps the English text alone, and the window translates it
// where it shows it, under the context named here.
#define VELMORA_TEXT(context, text) text

// The texts the game shows, word for word.
namespace text {
//: The status line under the board: a box about 115 pixels wide in a small bold font.
inline constexpr const char* kYourTurn = VELMORA_TEXT("Texts", "Your Turn!");
inline constexpr const char* kComputersTurn = VELMORA_TEXT("Texts", "Computer's Turn!");
inline constexpr const char* kComputerWins = VELMORA_TEXT("Texts", "Computer Wins!");
inline constexpr const char* kYouWin = VELMORA_TEXT("Texts", "You Win!");
inline constexpr const char* kGreatJob = VELMORA_TEXT("Texts", "Great Job!");
inline constexpr const char* kMustDeal = VELMORA_TEXT("Texts", "You must deal new cards!");
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

// How To Play again, a paragraph each for the translators: each paragraph follows an empty line,
// each of its line breaks is a printed line in English, and the window wraps a translation.
inline constexpr const char* kRuleParagraphs[] = {
    //: A paragraph of How to Play. The game wraps a translation to the window itself: line
    //: breaks do not matter. All six paragraphs, with an empty line before each, must fit in
    //: 25 printed lines of about 75 characters: write them shorter rather than longer.
    VELMORA_TEXT("Rules",
                 "Mindflip is easy to play, but you have to have a good memory to become an\n"
                 "expert.  The computer will deal out the cards, this doesn't mean the computer\n"
                 "knows where the cards are placed.  The object of the game is to win as many\n"
                 "cards as you can by turning the cards face up in pairs of the same value."),
    VELMORA_TEXT(
        "Rules",
        "At the beginning of play you are to turn two cards face up, one at a time.  If\n"
        "they are a pair, such as 2 Aces or 2 Threes, you won the two cards.  See if you\n"
        "can turn up another pair.  Keep on playing until you fail to turn up a pair, which,\n"
        "at the start of the game, is very often."),
    VELMORA_TEXT(
        "Rules",
        "If you do not turn up a pair with equal values, the cards will be turned face down,\n"
        "and the computer will try its luck."),
    VELMORA_TEXT("Rules",
                 "As the game goes on, you will be able to remember the positions and values of\n"
                 "some of the cards that have been turned up, if you concentrate.  If your memory\n"
                 "is good, you will be able to find these cards when you need them to make pairs\n"
                 "with other cards you turn face up."),
    VELMORA_TEXT("Rules",
                 "The game ends when all the cards have been made into pairs.  The one with the\n"
                 "highest score is the winner.  A tie is awarded to you!"),
    VELMORA_TEXT("Rules", "This is a game that interests people of all ages."),
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
