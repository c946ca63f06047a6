// Statistics of the benchmark: percentiles of repeated timings, ratios against a floor,
// and the size of a timed batch. Header-only so that a test program can use it as well.
#pragma once

#include <math.h>
#include <stddef.h>

#include <algorithm>
#include <vector>

namespace bench {

// Median and spread of a set of timings (microseconds per operation).
struct Summary {
    double median;
    double p10;
    double p90;
    size_t count;
};

// The p-th percentile (0..100) of `values`, interpolated linearly between the two
// nearest ranks. NaN for an empty set; p outside 0..100 is clamped.
inline double Percentile(std::vector<double> values, double p) {
    if (values.empty()) {
        return NAN;
    }
    std::sort(values.begin(), values.end());
    if (p < 0.0) {
        p = 0.0;
    }
    if (p > 100.0) {
        p = 100.0;
    }
    double rank = p / 100.0 * (double)(values.size() - 1);
    size_t below = (size_t)floor(rank);
    size_t above = below + 1 < values.size() ? below + 1 : below;
    double fraction = rank - (double)below;
    return values[below] + (values[above] - values[below]) * fraction;
}

inline Summary Summarise(const std::vector<double>& values) {
    Summary summary;
    summary.median = Percentile(values, 50.0);
    summary.p10 = Percentile(values, 10.0);
    summary.p90 = Percentile(values, 90.0);
    summary.count = values.size();
    return summary;
}

// measured / floor; NaN when the floor is not a positive time (nothing to compare with).
inline double Ratio(double measured, double floorTime) {
    if (!(floorTime > 0.0) || isnan(measured)) {
        return NAN;
    }
    return measured / floorTime;
}

// Element-wise a[i] - b[i] over the common length: the cost of a step measured as the
// difference of two paired timings (taken in the same round, so drift cancels).
inline std::vector<double> PairedDifferences(const std::vector<double>& a, const std::vector<double>& b) {
    std::vector<double> differences;
    size_t n = std::min(a.size(), b.size());
    differences.reserve(n);
    for (size_t i = 0; i < n; i++) {
        differences.push_back(a[i] - b[i]);
    }
    return differences;
}

// How many calls one timed batch holds so that it lasts at least `batchSeconds`, given
// one call's rough cost; at least 1 and at most `maxCalls`.
inline unsigned BatchSize(double secondsPerCall, double batchSeconds, unsigned maxCalls) {
    if (maxCalls < 1) {
        maxCalls = 1;
    }
    if (!(secondsPerCall > 0.0)) {
        return maxCalls;
    }
    double calls = ceil(batchSeconds / secondsPerCall);
    if (calls < 1.0) {
        return 1;
    }
    if (calls > (double)maxCalls) {
        return maxCalls;
    }
    return (unsigned)calls;
}

// A ratio meets its limit when it is known and not above it.
inline bool MeetsLimit(double ratio, double limit) {
    return !isnan(ratio) && ratio <= limit;
}

} // namespace bench
