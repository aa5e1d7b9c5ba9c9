// The computer's thinking time per wall, gathered in a histogram of fixed size.
#pragma once

#include <array>
#include <cstdint>

namespace pennix::arena {

// Times below 128 ns are kept exactly; above, each power of two is cut into 64 buckets, so a
// percentile is off by less than 1%. Memory stays the same however many games are played.
class ThinkingTime {
  public:
    void Add(std::uint64_t nanoseconds);
    void Merge(const ThinkingTime& other);

    std::uint64_t Count() const { return count_; }
    double MeanMicroseconds() const;
    double MaxMicroseconds() const;
    // The time that a share q (0 < q <= 1) of the walls did not exceed; 0 when empty.
    double PercentileMicroseconds(double q) const;

  private:
    // Times below 2^kExactBits ns are kept exactly; above, each power of two is split into
    // 2^kSubBucketBits buckets, one for each of the 64 - kExactBits powers left in 64 bits.
    static constexpr int kExactBits = 7;
    static constexpr int kSubBucketBits = 6;
    static constexpr int kExactBelow = 1 << kExactBits;
    static constexpr int kSubBuckets = 1 << kSubBucketBits;
    static constexpr int kBuckets = kExactBelow + (64 - kExactBits) * kSubBuckets;

    static int BucketOf(std::uint64_t nanoseconds);
    static double MiddleOf(int bucket);

    std::array<std::uint64_t, kBuckets> buckets_{};
    std::uint64_t count_ = 0;
    long double sum_ = 0;
    std::uint64_t max_ = 0;
};

}  // namespace pennix::arena
