#pragma once

#include <string>

namespace velmora {

// A number as the game writes it for scores and the settings file: one leading blank for zero
// or more, a minus sign otherwise (" 0", " 12", "-3").
inline std::string SignedText(int number) {
  std::string text(number < 0 ? "" : " ");
  text += std::to_string(number);
  return text;
}

}  // namespace velmora
