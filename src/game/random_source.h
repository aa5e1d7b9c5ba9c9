// The pseudo-random source behind every random choice of the computer and of the "Rnd" aid.
#pragma once

#include <cstdint>
#include <random>

namespace pennix {

class RandomSource {
  public:
    RandomSource();  // seeded from the clock

    void Seed(std::uint64_t seed);
    void SeedFromClock();

    // A uniform single-precision value r with 0 <= r < 1.
    float NextFloat();

    // A whole number in 1..n drawn from a fresh value, as floor(r x n + 1).
    int Draw(int n);

  private:
    std::mt19937 engine_;
};

// floor(r x n + 1) for 0 <= r < 1 and n >= 1, always in 1..n. In single precision r x n + 1
// rounds up to n + 1 for r just below 1 (for n = 8, say); in double precision it cannot.
int WholeFromFloat(float r, int n);

}  // namespace pennix
