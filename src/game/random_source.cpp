// The pseudo-random source: a Mersenne Twister cut down to 24-bit floats.
#include "random_source.h"

#include <chrono>
#include <cmath>

namespace pennix {

RandomSource::RandomSource() {
    SeedFromClock();
}

void RandomSource::Seed(std::uint64_t seed) {
    std::seed_seq sequence{static_cast<std::uint32_t>(seed),
                           static_cast<std::uint32_t>(seed >> 32)};
    engine_.seed(sequence);
}

void RandomSource::SeedFromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    Seed(static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

float RandomSource::NextFloat() {
    // The top 24 bits make every float in [0, 1) with 24-bit spacing equally likely, and never 1.
    constexpr float kScale = 1.0f / 16777216.0f;
    return static_cast<float>(engine_() >> 8) * kScale;
}

int RandomSource::Draw(int n) {
    return WholeFromFloat(NextFloat(), n);
}

int WholeFromFloat(float r, int n) {
    const int whole = static_cast<int>(std::floor(static_cast<double>(r) * n + 1.0));
    return whole > n ? n : (whole < 1 ? 1 : whole);
}

}  // namespace pennix
