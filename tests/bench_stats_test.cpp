// The benchmark's statistics: percentiles, ratios against a floor, paired differences,
// batch sizes and the target check. A wrong rank or a ratio against a zero floor would
// make the table claim a target met or missed for the wrong reason.
#include <math.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../bench/BenchStats.h"

namespace {

struct PercentileCase {
    std::vector<double> values;
    double p;
    double expected;
};

TEST(BenchStats, PercentileInterpolatesBetweenRanks) {
    const std::vector<double> eleven = {11, 1, 10, 2, 9, 3, 8, 4, 7, 5, 6}; // unsorted 1..11
    const PercentileCase cases[] = {
        {eleven, 50.0, 6.0},
        {eleven, 10.0, 2.0},
        {eleven, 90.0, 10.0},
        {eleven, 0.0, 1.0},
        {eleven, 100.0, 11.0},
        {{4.0, 1.0, 3.0, 2.0}, 50.0, 2.5}, // even count: between the middle two
        {{1.0, 2.0}, 25.0, 1.25},
        {{7.0}, 10.0, 7.0},
        {{7.0}, 90.0, 7.0},
        {{1.0, 2.0, 3.0}, -5.0, 1.0},  // clamped to the smallest
        {{1.0, 2.0, 3.0}, 150.0, 3.0}, // clamped to the largest
        {{5.0, 5.0, 5.0, 100.0}, 50.0, 5.0}, // one outlier does not move the median
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); i++) {
        SCOPED_TRACE("case " + std::to_string(i));
        EXPECT_DOUBLE_EQ(bench::Percentile(cases[i].values, cases[i].p), cases[i].expected);
    }
    EXPECT_TRUE(isnan(bench::Percentile({}, 50.0)));
}

TEST(BenchStats, SummaryOfTimings) {
    std::vector<double> timings;
    for (int i = 100; i >= 0; i--) {
        timings.push_back(i * 0.5); // 0.0 .. 50.0, descending
    }
    bench::Summary summary = bench::Summarise(timings);
    EXPECT_DOUBLE_EQ(summary.median, 25.0);
    EXPECT_DOUBLE_EQ(summary.p10, 5.0);
    EXPECT_DOUBLE_EQ(summary.p90, 45.0);
    EXPECT_EQ(summary.count, 101u);
    EXPECT_EQ(timings.front(), 50.0) << "the caller's timings keep their order";

    bench::Summary empty = bench::Summarise({});
    EXPECT_EQ(empty.count, 0u);
    EXPECT_TRUE(isnan(empty.median));
}

TEST(BenchStats, RatioNeedsAPositiveFloor) {
    EXPECT_DOUBLE_EQ(bench::Ratio(12.0, 10.0), 1.2);
    EXPECT_DOUBLE_EQ(bench::Ratio(0.0, 10.0), 0.0);
    EXPECT_TRUE(isnan(bench::Ratio(5.0, 0.0)));
    EXPECT_TRUE(isnan(bench::Ratio(5.0, -1.0)));
    EXPECT_TRUE(isnan(bench::Ratio(5.0, NAN)));
    EXPECT_TRUE(isnan(bench::Ratio(NAN, 10.0)));
}

TEST(BenchStats, TargetIsMetUpToItsLimitAndNeverWithoutARatio) {
    EXPECT_TRUE(bench::MeetsLimit(1.2, 1.2));
    EXPECT_TRUE(bench::MeetsLimit(0.9, 1.2));
    EXPECT_FALSE(bench::MeetsLimit(1.2000001, 1.2));
    EXPECT_FALSE(bench::MeetsLimit(NAN, 1.2)) << "an unknown ratio never meets a target";
    EXPECT_FALSE(bench::MeetsLimit(bench::Ratio(1.0, 0.0), 1.5));
}

TEST(BenchStats, PairedDifferencesKeepThePairing) {
    std::vector<double> hook = {10.0, 12.0, 11.0, 50.0};
    std::vector<double> command = {4.0, 5.0, 4.5};
    std::vector<double> decoding = bench::PairedDifferences(hook, command);
    ASSERT_EQ(decoding.size(), 3u) << "only complete pairs";
    EXPECT_DOUBLE_EQ(decoding[0], 6.0);
    EXPECT_DOUBLE_EQ(decoding[1], 7.0);
    EXPECT_DOUBLE_EQ(decoding[2], 6.5);
    EXPECT_TRUE(bench::PairedDifferences({}, command).empty());
}

struct BatchCase {
    double secondsPerCall;
    double batchSeconds;
    unsigned maxCalls;
    unsigned expected;
};

TEST(BenchStats, BatchSizeCoversTheBatchLength) {
    const BatchCase cases[] = {
        {0.25, 1.0, 100, 4},   // quarter-second calls fill one second with four
        {0.3, 1.0, 100, 4},    // rounded up: the batch is never shorter than asked
        {2.0, 1.0, 100, 1},    // a call longer than the batch: one call
        {1e-9, 1.0, 100, 100}, // capped
        {0.0, 1.0, 50, 50},    // too fast to time once: as many as allowed
        {0.25, 1.0, 0, 1},     // at least one call
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); i++) {
        SCOPED_TRACE("case " + std::to_string(i));
        EXPECT_EQ(bench::BatchSize(cases[i].secondsPerCall, cases[i].batchSeconds, cases[i].maxCalls),
                  cases[i].expected);
    }
}

} // namespace
