#pragma once

#include <cstdio>
#include <cstdlib>

namespace velmora::fuzz {

// A broken property ends the run like a crash, so the fuzzer keeps the input that broke it.
inline void Check(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "Broken: %s\n", what);
    std::abort();
  }
}

}  // namespace velmora::fuzz
