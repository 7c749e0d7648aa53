#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "prefs/Ini.h"
#include "support/FakeSettingsHost.h"
#include "support/ScratchFolder.h"

namespace velmora {
namespace {
namespace fs = std::filesystem;

using testing::FakeSettingsHost;
using testing::kFatalSettingsEvents;

std::optional<std::string> Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void Spill(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A fresh directory per test, holding the settings file and nothing else.
class PrefsFileTest : public ::testing::Test {
 protected:
  PrefsFileTest() { ini_.SetIniPath(folder_.Path().string()); }
  fs::path File() const { return folder_ / "velmora.ini"; }

  // Reads the card back as start-up does: back 0 expects the fatal path.
  void ExpectReadGives(Int16 expected, std::uintmax_t largest = 1 << 20) {
    const long long before = BytesRead();
    Int16 back = -7;
    if (expected != 0) {
      ini_.ReadDeckBack(back);
      EXPECT_EQ(back, expected);
      EXPECT_TRUE(host_.events.empty());
    } else {
      try {
        ini_.ReadDeckBack(back);
        ADD_FAILURE() << "the program did not end";
      } catch (const ProgramEnd& end) {
        EXPECT_EQ(end.exitCode, 1);
      }
      EXPECT_EQ(back, -7);
      EXPECT_EQ(host_.events, kFatalSettingsEvents);
    }
    // The file is read once, whatever its size: a bound on the work holds on a busy machine.
    EXPECT_LE(BytesRead() - before, static_cast<long long>(largest + 4096));
  }
  static long long BytesRead() {  // /proc/self/io starts with "rchar:", the bytes read so far
    std::string rchar;
    long long bytes = 0;
    std::ifstream("/proc/self/io") >> rchar >> bytes;
    return bytes;
  }

  testing::ScratchFolder folder_;
  FakeSettingsHost host_;
  Ini ini_{host_};
};

struct ReadCase {
  const char* name;
  std::optional<std::string> file;  // nothing: no settings file at all
  Int16 back;                       // 0: the fatal path
  // Makes a file too big to build in every test process; it then stands for file.
  std::string (*makeFile)() = nullptr;
};
// Test names carry the case name, not a byte dump of the case.
void PrintTo(const ReadCase& c, std::ostream* os) {
  *os << c.name;
}

class ReadDeckBackTest : public PrefsFileTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadDeckBackTest, GivesBackOrEndsProgram) {
  const ReadCase& c = GetParam();
  const std::optional<std::string> file = c.makeFile ? c.makeFile() : c.file;
  if (file) Spill(File(), *file);
  ExpectReadGives(c.back, file ? file->size() : 0);
  EXPECT_EQ(Slurp(File()), file);  // reading never writes
}

// 60-character values that read differently once cut to 49 characters.
const std::string kLongZeros = std::string(47, '0') + "12" + std::string(11, '3');
const std::string kLongBlanks = "1" + std::string(47, ' ') + "2" + std::string(11, '9');

// Every byte value, line ends, brackets and "=" among them, four times over.
std::string Junk() {
  std::string junk;
  for (int round = 0; round < 4; ++round) {
    for (int byte = 0; byte < 256; ++byte) junk += static_cast<char>(byte);
  }
  return junk;
}
const std::string kJunk = Junk();

// 10 MiB of lines in the Deck section before its Back key.
std::string HugeDeck() {
  std::string file = "[Deck]\n";
  const std::string line = "Filler=" + std::string(92, 'x') + "\n";
  while (file.size() < 10 * 1024 * 1024) file += line;
  return file + "Back=7\n";
}

using namespace std::string_literals;  // NUL bytes inside the files

INSTANTIATE_TEST_SUITE_P(
    Files, ReadDeckBackTest,
    ::testing::Values(
        ReadCase{"Plain", "[Deck]\nBack=7", 7}, ReadCase{"AsWritten", "[Deck]\nBack= 5\n", 5},
        ReadCase{"Blanks", "  [ Deck ]  \n   Back   =   7   \n", 7},
        ReadCase{"Tabs", "\t[Deck]\n\tBack\t=\t7\t\n", 7},
        ReadCase{"LetterCase", "[dECK]\nbACK=7\n", 7},
        ReadCase{"Comments", "; Back\n[Deck]\n;Back=3\n  ; Back=4\nBack=7\n", 7},
        ReadCase{"CrLf", "[Other]\r\nBack=2\r\n[Deck]\r\nBack=9\r\n", 9},
        ReadCase{"LoneCr", "[Deck]\rBack=11\r", 11},
        ReadCase{"CutZeros", "[Deck]\nBack=" + kLongZeros, 12},
        ReadCase{"CutBlanks", "[Deck]\nBack=" + kLongBlanks, 12},
        ReadCase{"EmptyValue", "[Deck]\nBack=\n", 0},
        ReadCase{"BlankValue", "[Deck]\nBack=  \n", 0},
        ReadCase{"MissingKey", "[Deck]\nFront=7\n", 0},
        ReadCase{"MissingSection", "Back=7\n[Other]\nBack=7\n", 0},
        ReadCase{"OtherSectionOnly", "[Cards]\nBack=7\n[Deck]\nSize=3\n", 0},
        ReadCase{"BackOnlyInOtherSection", "[Other]\nBack=5\n", 0},
        ReadCase{"OtherSectionBeforeDeck", "[Other]\nBack=5\n[Deck]\nBack=7\n", 7},
        ReadCase{"OtherSectionAfterDeck", "[Deck]\nSize=3\n[Other]\nBack=5\n", 0},
        ReadCase{"MissingFile", std::nullopt, 0}, ReadCase{"EmptyFile", "", 0},
        ReadCase{"HalfUp", "[Deck]\nBack=7.5", 8}, ReadCase{"HalfDown", "[Deck]\nBack=6.5", 6},
        ReadCase{"HalfToTwelve", "[Deck]\nBack=12.5", 12},
        ReadCase{"HalfToZero", "[Deck]\nBack=0.5", 0},
        ReadCase{"TrailingText", "[Deck]\nBack=12abc", 12},
        ReadCase{"NoNumber", "[Deck]\nBack=abc", 0}, ReadCase{"Hex", "[Deck]\nBack=&HC", 12},
        ReadCase{"Octal", "[Deck]\nBack=&o14", 12}, ReadCase{"ExponentE", "[Deck]\nBack=1E1", 10},
        ReadCase{"ExponentD", "[Deck]\nBack=1D1", 10}, ReadCase{"Zero", "[Deck]\nBack=0", 0},
        ReadCase{"Thirteen", "[Deck]\nBack=13", 0}, ReadCase{"Negative", "[Deck]\nBack=-3", 0},
        ReadCase{"Beyond16Bits", "[Deck]\nBack=40000", 0},
        ReadCase{"HexBeyond16Bits", "[Deck]\nBack=&H10001", 0},
        ReadCase{"DuplicateKey", "[Deck]\nBack=4\nBack=9\n", 4},
        ReadCase{"DuplicateKeyFirstEmpty", "[Deck]\nBack=\nBack=9\n", 0},
        ReadCase{"DuplicateSection", "[Deck]\nSize=1\n[Deck]\nBack=6\n", 0},
        ReadCase{"DuplicateSectionAfterOther", "[Deck]\n[Other]\nBack=5\n[DECK]\nBack=6\n", 0},
        ReadCase{"LineWithoutEquals", "[Deck]\nBack 9\nBack=3\n", 3},
        ReadCase{"DoubleQuotes", "[Deck]\nBack=\"7\"", 7},
        ReadCase{"SingleQuotes", "[Deck]\nBack='7'", 7},
        ReadCase{"QuotesWithinBlanks", "[Deck]\nBack = \" 7 \" \n", 7},
        ReadCase{"LoneQuote", "[Deck]\nBack=\"7", 0},
        ReadCase{"MismatchedQuotes", "[Deck]\nBack='7\"", 0},
        ReadCase{"QuotedThenCut", "[Deck]\nBack=\"" + kLongZeros + "\"", 12},
        ReadCase{"UnclosedSection", " [ Deck \nBack=7\n", 7},
        ReadCase{"UnclosedOtherSection", "[Deck]\n[Other\nBack=7\n", 0},
        ReadCase{"ByteOrderMark", "\xEF\xBB\xBF[Deck]\r\nBack=7\r\n", 7},
        ReadCase{"ByteOrderMarkNotAtStart", "[Other]\n\xEF\xBB\xBF[Deck]\nBack=7\n", 0},
        ReadCase{"BinaryJunk", kJunk, 0},
        ReadCase{"JunkAroundDeck", kJunk + "\n[Deck]\nBack=7\n" + kJunk, 7},
        ReadCase{"HugeFile", std::nullopt, 7, HugeDeck},
        ReadCase{"LongLine", "[Deck]\nNote=" + std::string(100'000, 'x') + "\nBack=7", 7},
        ReadCase{"LongBlankValue", "[Deck]\nBack=" + std::string(100'000, ' ') + "7", 7},
        ReadCase{"NulLine", "\0\0\n[Deck]\nBack=7\n"s, 7},
        ReadCase{"NulBeforeValue", "[Deck]\nBack=\0 7\n"s, 0},
        ReadCase{"NulInValue", "[Deck]\nBack=7\0 9\n"s, 7},
        ReadCase{"CrOnly", "[Other]\rBack=2\r\r[Deck]\rSize=1\rBack=9\r", 9}),
    [](const auto& info) { return std::string(info.param.name); });

// Writes that succeed: only the value's line changes, in the format start-up reads back, and
// the file keeps its mode and stays behind its link.
struct WriteCase {
  const char* name;
  std::optional<std::string> before;  // nothing: no file yet
  Int16 back;
  std::string after;
  bool throughLink = false;  // velmora.ini links to real/velmora.ini
};
void PrintTo(const WriteCase& c, std::ostream* os) {
  *os << c.name;
}

class WriteDeckBackTest : public PrefsFileTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(WriteDeckBackTest, ChangesOnlyTheValue) {
  const WriteCase& c = GetParam();
  fs::path target = File();
  if (c.throughLink) {
    fs::create_directory(folder_ / "real");
    target = folder_ / "real" / "velmora.ini";
    fs::create_symlink("real/velmora.ini", File());
  }
  if (c.before) {
    Spill(target, *c.before);
    fs::permissions(target, fs::perms(0640));
  }
  ini_.WriteDeckBack(c.back);
  EXPECT_EQ(Slurp(target), c.after);
  EXPECT_TRUE(host_.events.empty());
  EXPECT_EQ(fs::is_symlink(File()), c.throughLink);
  if (c.before) {
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640));
  }
  if (c.back >= 1 && c.back <= 12) ExpectReadGives(c.back);
}

INSTANTIATE_TEST_SUITE_P(
    Files, WriteDeckBackTest,
    ::testing::Values(WriteCase{"NewFile", std::nullopt, 12, "[Deck]\nBack= 12\n"},
                      // A sign or one blank before the number, across the whole range.
                      WriteCase{"Zero", std::nullopt, 0, "[Deck]\nBack= 0\n"},
                      WriteCase{"Negative", std::nullopt, -3, "[Deck]\nBack=-3\n"},
                      WriteCase{"Lowest", std::nullopt, -32768, "[Deck]\nBack=-32768\n"},
                      WriteCase{"Highest", std::nullopt, 32767, "[Deck]\nBack= 32767\n"},
                      WriteCase{"OtherLinesKept",
                                "; velmora\r\n[Other]\r\nBack=1\r\n\r\n[Deck]\r\n  Back = 3 ;x\r\n",
                                4, "; velmora\r\n[Other]\r\nBack=1\r\n\r\n[Deck]\r\nBack= 4\r\n"},
                      WriteCase{"ThroughLink", "[Deck]\nBack=3\n", 9, "[Deck]\nBack= 9\n", true}),
    [](const auto& info) { return std::string(info.param.name); });

// A settings file the game cannot use as it is, or a write that fails on the way.
struct RefusedCase {
  const char* name;
  std::function<void(const fs::path& folder)> arrange;
  Int16 back;  // what start-up reads then; 0: the fatal path
};
void PrintTo(const RefusedCase& c, std::ostream* os) {
  *os << c.name;
}

constexpr rlimit kUnlimited{RLIM_INFINITY, RLIM_INFINITY}, kEightBytes{8, RLIM_INFINITY};

class RefusedWriteTest : public PrefsFileTest, public ::testing::WithParamInterface<RefusedCase> {
 protected:
  ~RefusedWriteTest() override { ::setrlimit(RLIMIT_FSIZE, &kUnlimited); }
  // Every entry under the folder, with the bytes of each file.
  std::map<std::string, std::optional<std::string>> Snapshot() const {
    std::map<std::string, std::optional<std::string>> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder_.Path())) {
      entries[entry.path().lexically_relative(folder_.Path())] =
          entry.is_regular_file() ? Slurp(entry.path()) : std::nullopt;
    }
    return entries;
  }
};

TEST_P(RefusedWriteTest, LeavesEverythingAsItWas) {
  const RefusedCase& c = GetParam();
  c.arrange(folder_.Path());
  const auto before = Snapshot();
  ExpectReadGives(c.back);
  const std::size_t events = host_.events.size();
  ini_.WriteDeckBack(4);
  EXPECT_EQ(host_.events.size(), events + 1);
  EXPECT_EQ(host_.events.back(), "beep");
  // No temporary file left, and the old file byte for byte as it was.
  EXPECT_EQ(Snapshot(), before);
}

void SettingsFile(const fs::path& folder, fs::perms mode) {
  Spill(folder / "velmora.ini", "[Deck]\r\nBack=3\r\n");
  fs::permissions(folder / "velmora.ini", mode);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedWriteTest,
    ::testing::Values(
        RefusedCase{"DirectoryInItsPlace",
                    [](const fs::path& folder) { fs::create_directory(folder / "velmora.ini"); },
                    0},
        // Only the owner-read bit says so when the tests run as root.
        RefusedCase{"WithoutReadPermission",
                    [](const fs::path& folder) { SettingsFile(folder, fs::perms(0200)); }, 0},
        RefusedCase{"ReadOnlyFile",
                    [](const fs::path& folder) { SettingsFile(folder, fs::perms(0444)); }, 3},
        RefusedCase{"ReadOnlyDirectory",
                    [](const fs::path& folder) {
                      SettingsFile(folder, fs::perms(0644));
                      fs::permissions(folder, fs::perms(0555));
                    },
                    3},
        // A file size limit stands in for a full disk: the write stops half-way with EFBIG.
        RefusedCase{"DiskFullHalfWay",
                    [](const fs::path& folder) {
                      SettingsFile(folder, fs::perms(0644));
                      ::signal(SIGXFSZ, SIG_IGN);
                      ::setrlimit(RLIMIT_FSIZE, &kEightBytes);
                    },
                    3}),
    [](const auto& info) { return std::string(info.param.name); });

// Where the settings live: beside the program while its folder may be written, else in the
// player's configuration folder. The program's file holds back 3, any player's file back 7.
struct PlaceCase {
  const char* name;
  bool programWritable;
  const char* configHome;  // under the scratch folder when absolute; null: unset
  const char* home;
  std::string velmora;  // at config/velmora: a file's text, "link", "file" or "read-only"
  Int16 read;           // what start-up reads; 0: the fatal path
  const char* written;  // the folder whose velmora.ini has back 5 after a write; null: a beep
};
class SettingsPlaceTest : public PrefsFileTest, public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(SettingsPlaceTest, ReadsAndWritesWhereThePlayerMay) {
  const PlaceCase& c = GetParam();
  const fs::path root = folder_.Path(), program = root / "program", own = root / "config/velmora";
  for (auto dir : {"program", "home", "config", "elsewhere"}) fs::create_directory(root / dir);
  Spill(program / "velmora.ini", "[Deck]\r\nBack=3\r\n; kept\r\n");
  Spill(root / "elsewhere/velmora.ini", "[Deck]\nBack=7\n");
  if (c.velmora == "link") fs::create_directory_symlink(root / "elsewhere", own);
  if (c.velmora == "file") Spill(own, "");
  if (c.velmora == "read-only" || c.velmora.starts_with('[')) fs::create_directory(own);
  if (c.velmora.starts_with('[')) Spill(own / "velmora.ini", c.velmora);
  if (c.velmora == "read-only") fs::permissions(own, fs::perms(0555));
  if (!c.programWritable) fs::permissions(program, fs::perms(0555));
  auto env = [&root](const char* v) { return v && v[0] == '/' ? root.string() + v : v ? v : ""; };
  const std::string configHome = env(c.configHome), home = env(c.home);
  ini_.SetIniPath(program.string() + "/",  // as it stands, the separator at its end included
                  {c.configHome ? configHome.c_str() : nullptr, c.home ? home.c_str() : nullptr});
  ExpectReadGives(c.read);
  if (c.read == 0) return;
  ini_.WriteDeckBack(5);
  EXPECT_EQ(host_.events.size(), c.written ? 0u : 1u) << "a failed write beeps";
  const fs::path written = c.written ? root / c.written / "velmora.ini" : fs::path();
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string bytes = Slurp(entry.path()).value_or("");
    EXPECT_EQ(bytes.find("Back= 5") != std::string::npos, entry.path() == written) << entry;
    // A player's first file is a copy of the program's, in a folder private to the player.
    if (entry.path() != written || c.read != 3 || written.parent_path() == program) continue;
    EXPECT_EQ(bytes, "[Deck]\r\nBack= 5\r\n; kept\r\n");
    EXPECT_EQ(fs::status(written.parent_path()).permissions(), fs::perms::owner_all);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Places, SettingsPlaceTest,
    ::testing::Values(
        PlaceCase{"WritableProgram", true, "/config", "/home", "[Deck]\nBack=7", 3, "program"},
        PlaceCase{"FirstWriteMakesTheFile", false, "/config", "/home", "", 3, "config/velmora"},
        PlaceCase{"PlayersFile", false, "/config", "/home", "[Deck]\nBack=7", 7, "config/velmora"},
        PlaceCase{"CorruptedPlayersFile", false, "/config", nullptr, "[Deck]\n", 0, nullptr},
        PlaceCase{"ConfigHomeUnset", false, nullptr, "/home", "", 3, "home/.config/velmora"},
        PlaceCase{"ConfigHomeRelative", false, "config", "/home", "", 3, "home/.config/velmora"},
        PlaceCase{"HomeUnset", false, nullptr, nullptr, "", 3, nullptr},
        PlaceCase{"TheGamesFolderALink", false, "/config", nullptr, "link", 3, nullptr},
        PlaceCase{"TheGamesFolderAFile", false, "/config", nullptr, "file", 3, nullptr},
        PlaceCase{"TheGamesFolderReadOnly", false, "/config", nullptr, "read-only", 3, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

struct SetCase {
  const char* name;
  std::string before;
  std::string after;
};
void PrintTo(const SetCase& c, std::ostream* os) {
  *os << c.name;
}

class SetProfileStringTest : public ::testing::TestWithParam<SetCase> {};

TEST_P(SetProfileStringTest, ChangesOnlyTheKey) {
  const std::string after = SetProfileString(GetParam().before, "Deck", "Back", " 12");
  EXPECT_EQ(after, GetParam().after);
  EXPECT_EQ(GetProfileString(after, "deck", "back"), "12");
}

INSTANTIATE_TEST_SUITE_P(
    Contents, SetProfileStringTest,
    ::testing::Values(
        SetCase{"Empty", "", "[Deck]\nBack= 12\n"},
        SetCase{"Replace", "[Deck]\nSize=1\nBack=3\nMore=2\n",
                "[Deck]\nSize=1\nBack= 12\nMore=2\n"},
        SetCase{"KeepsSpelling", "[deck]\nBACK=2", "[deck]\nBACK= 12"},
        SetCase{"LoneCr", "[Deck]\rBack=1\r", "[Deck]\rBack= 12\r"},
        SetCase{"AddKeyBeforeBlankLines", "[Deck]\nSize=1\n\n[B]\nX=1\n",
                "[Deck]\nSize=1\nBack= 12\n\n[B]\nX=1\n"},
        SetCase{"AddKeyAtEndWithoutLineEnd", "[Deck]\r\nSize=1", "[Deck]\r\nSize=1\r\nBack= 12"},
        SetCase{"AddSection", "; c\r\n[B]\r\nX=1\n", "; c\r\n[B]\r\nX=1\n[Deck]\r\nBack= 12\r\n"},
        SetCase{"AddSectionWithoutLineEnd", "[B]\nX=1", "[B]\nX=1\n[Deck]\nBack= 12\n"},
        SetCase{"KeyInSecondSection", "[Deck]\nA=1\n[Deck]\nBack=2\n",
                "[Deck]\nA=1\nBack= 12\n[Deck]\nBack=2\n"},
        SetCase{"UnclosedSection", "[Deck\nSize=1\n[B\n", "[Deck\nSize=1\nBack= 12\n[B\n"},
        SetCase{"ByteOrderMark", "\xEF\xBB\xBF[Deck]\r\nBack=1", "\xEF\xBB\xBF[Deck]\r\nBack= 12"},
        SetCase{"ByteOrderMarkOnly", "\xEF\xBB\xBF", "\xEF\xBB\xBF[Deck]\nBack= 12\n"},
        SetCase{"KeyOnlyBeforeSections", "Back=1\n[Deck]\n", "Back=1\n[Deck]\nBack= 12\n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct NumberCase {
  const char* text;
  double value;
};
void PrintTo(const NumberCase& c, std::ostream* os) {
  *os << '"' << c.text << '"';
}

class LenientNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(LenientNumberTest, Reads) {
  EXPECT_DOUBLE_EQ(ParseLenientNumber(GetParam().text), GetParam().value) << GetParam().text;
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Texts, LenientNumberTest,
    ::testing::Values(NumberCase{"", 0}, NumberCase{"abc", 0}, NumberCase{"7", 7},
                      NumberCase{"+7", 7}, NumberCase{" - 7 ", -7}, NumberCase{"--1", 0},
                      NumberCase{"1 2", 12}, NumberCase{"1\t2\n3\r4", 1234},
                      NumberCase{"3.25", 3.25}, NumberCase{"-.5", -0.5}, NumberCase{"1.2.3", 1.2},
                      NumberCase{"007", 7}, NumberCase{"1e3", 1000}, NumberCase{"1E-2", 0.01},
                      NumberCase{"2d2", 200}, NumberCase{"2D+2", 200}, NumberCase{"2.5E 1", 25},
                      NumberCase{"1e", 1}, NumberCase{"1E+x", 1}, NumberCase{"12abc", 12},
                      NumberCase{"1e999", kInf}, NumberCase{"-1e999", -kInf},
                      NumberCase{"1e-999", 0}, NumberCase{"&HC", 12}, NumberCase{"& h f f", 255},
                      NumberCase{"&HFFFF", -1}, NumberCase{"&H8000", -32768},
                      NumberCase{"&H7FFFx", 32767}, NumberCase{"&H10000", 65536},
                      NumberCase{"&O17", 15}, NumberCase{"&o778", 63}, NumberCase{"&O8", 0},
                      NumberCase{"&H", 0}, NumberCase{"&X1", 0}, NumberCase{"-&H1", 0}));

TEST(RoundToInt16, HalfToEvenWithinRange) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::vector<std::pair<double, std::optional<Int16>>> cases = {
      {7.5, 8},       {6.5, 6},   {-0.5, 0},        {-1.5, -2},    {2.4999, 2},
      {2.5000001, 3}, {-2.6, -3}, {32767.4, 32767}, {32767.5, {}}, {-32768.5, -32768},
      {-32768.6, {}}, {nan, {}},  {kInf, {}},       {1e300, {}}};
  for (const auto& [value, expected] : cases) EXPECT_EQ(RoundToInt16(value), expected) << value;
}

}  // namespace
}  // namespace velmora
