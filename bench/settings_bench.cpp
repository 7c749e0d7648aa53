#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "prefs/Ini.h"
#include "support/FakeSettingsHost.h"

namespace {

// Start-up reads the settings before the window shows: even a settings file swollen to
// 10 MiB, its Back key last, must not keep the player waiting.
void SettingsReadOfAHugeFile(benchmark::State& bench) {
  std::string folder = (std::filesystem::temp_directory_path() / "velmora-bench-XXXXXX").string();
  if (::mkdtemp(folder.data()) == nullptr) return bench.SkipWithError("no scratch folder");
  {
    std::ofstream file(folder + "/velmora.ini", std::ios::binary);
    file << "[Deck]\n";
    for (int line = 0; line < 100'000; ++line) file << "Filler=" << std::string(97, 'x') << "\n";
    file << "Back=7\n";
  }
  velmora::testing::FakeSettingsHost host;
  velmora::Ini ini(host);
  ini.SetIniPath(folder);
  for (auto _ : bench) {
    velmora::Int16 back = 0;
    ini.ReadDeckBack(back);
    benchmark::DoNotOptimize(back);
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(SettingsReadOfAHugeFile)->Unit(benchmark::kMillisecond);

}  // namespace
