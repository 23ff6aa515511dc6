// Deterministic draws for the round-trip tests: the same sequence from the
// same seed on every platform.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <span>
#include <string>

class Draw {
 public:
  explicit Draw(uint32_t seed) : rng_(seed) {}
  uint32_t Below(uint32_t n) { return rng_() % n; }
  template <size_t N>
  const char* OneOf(const char* const (&options)[N]) {
    return options[Below(N)];
  }
  // Fewer than `most` pieces, joined.
  template <size_t N>
  std::string Joined(const char* const (&pieces)[N], uint32_t most) {
    std::string text;
    for (uint32_t n = Below(most); n > 0; --n) text += OneOf(pieces);
    return text;
  }
  // One of the edge values or, one time in `oneIn`, any number.
  int32_t Number(std::span<const int32_t> edges, uint32_t oneIn) {
    return Below(oneIn) ? edges[Below(static_cast<uint32_t>(edges.size()))]
                        : static_cast<int32_t>(rng_());
  }

 private:
  std::mt19937 rng_;
};
