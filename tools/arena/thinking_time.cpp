// Bucketing of thinking times: exact for short times, within 1% for longer ones.
#include "thinking_time.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace pennix::arena {

namespace {

constexpr double kNanosecondsPerMicrosecond = 1000.0;

}  // namespace

int ThinkingTime::BucketOf(std::uint64_t nanoseconds) {
    if (nanoseconds < kExactBelow) {
        return static_cast<int>(nanoseconds);
    }
    const int top_bit = std::bit_width(nanoseconds) - 1;
    const int shift = top_bit - kSubBucketBits;
    const auto sub = static_cast<int>((nanoseconds >> shift) - kSubBuckets);
    return kExactBelow + (top_bit - kExactBits) * kSubBuckets + sub;
}

double ThinkingTime::MiddleOf(int bucket) {
    if (bucket < kExactBelow) {
        return bucket;
    }
    const int top_bit = kExactBits + (bucket - kExactBelow) / kSubBuckets;
    const int sub = (bucket - kExactBelow) % kSubBuckets;
    const double width = std::ldexp(1.0, top_bit - kSubBucketBits);
    const double low = (kSubBuckets + sub) * width;
    return low + width / 2;
}

void ThinkingTime::Add(std::uint64_t nanoseconds) {
    ++buckets_[BucketOf(nanoseconds)];
    ++count_;
    sum_ += nanoseconds;
    max_ = std::max(max_, nanoseconds);
}

void ThinkingTime::Merge(const ThinkingTime& other) {
    for (int i = 0; i < kBuckets; ++i) {
        buckets_[i] += other.buckets_[i];
    }
    count_ += other.count_;
    sum_ += other.sum_;
    max_ = std::max(max_, other.max_);
}

double ThinkingTime::MeanMicroseconds() const {
    if (count_ == 0) {
        return 0;
    }
    return static_cast<double>(sum_ / count_) / kNanosecondsPerMicrosecond;
}

double ThinkingTime::MaxMicroseconds() const {
    return static_cast<double>(max_) / kNanosecondsPerMicrosecond;
}

double ThinkingTime::PercentileMicroseconds(double q) const {
    if (count_ == 0) {
        return 0;
    }
    // The small allowance keeps q x count from landing one rank too high through rounding.
    const auto rank = std::clamp<std::uint64_t>(
        static_cast<std::uint64_t>(std::ceil(q * static_cast<double>(count_) - 1e-9)), 1, count_);
    if (rank == count_) {
        return MaxMicroseconds();
    }
    std::uint64_t seen = 0;
    for (int i = 0; i < kBuckets; ++i) {
        seen += buckets_[i];
        if (seen >= rank) {
            // The middle of the last bucket may lie above the largest time actually seen.
            return std::min(MiddleOf(i), static_cast<double>(max_)) / kNanosecondsPerMicrosecond;
        }
    }
    return MaxMicroseconds();
}

}  // namespace pennix::arena
