// Arbitrary bytes as the contents of the settings file: what the next start-up reads back,
// and the write of the card-back chooser into them.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "Check.h"
#include "prefs/Ini.h"

using velmora::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora;
  const std::string_view contents(reinterpret_cast<const char*>(data), size);

  // The chooser writes back 7 as " 7": the next start-up must read 7 ...
  const std::string written = SetProfileString(contents, "Deck", "Back", " 7");
  Check(GetProfileString(written, "Deck", "Back") == "7", "the written value does not read back");
  // ... the same write again changes nothing ...
  Check(SetProfileString(written, "Deck", "Back", " 7") == written, "a second write changed more");
  // ... and no other setting moves.
  constexpr std::size_t kWholeValue = 1 << 20;
  for (const auto& [section, key] : {std::pair{"Deck", "Size"}, std::pair{"Other", "Back"}}) {
    Check(GetProfileString(written, section, key, kWholeValue) ==
              GetProfileString(contents, section, key, kWholeValue),
          "the write changed another setting");
  }
  return 0;
}
