// The parts of the studies on their own: statistics, sampling, root finding, the ordered
// parallel runs, and addressing fields by name.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <numeric>
#include <stdexcept>
#include <thread>

#include "model/model_state.h"
#include "project/record.h"
#include "study/distributions.h"
#include "study/evaluation.h"
#include "study/fields.h"
#include "study/interrupt.h"
#include "study/latin_hypercube.h"
#include "study/moments.h"
#include "study/ordered_parallel.h"
#include "study/quantile_sketch.h"
#include "study/root_finding.h"
#include "study/study_error.h"
#include "study/uncertainty.h"

namespace velmar::study {
namespace {

TEST(QuantileSketch, PercentilesLieWithinTheStatedErrorOfTheNearestRankValues) {
    std::vector<double> values;
    for (int i = 1; i <= 1000; ++i)
        values.push_back(std::pow(1.01, i) - 3);  // negative, zero-crossing, positive
    QuantileSketch sketch;
    for (double x : values) sketch.Add(x);
    std::sort(values.begin(), values.end());
    for (double p : {0.0, 0.05, 0.25, 0.5, 0.75, 0.95, 1.0}) {
        const std::size_t rank = std::max<std::size_t>(1, static_cast<std::size_t>(std::ceil(p * 1000)));
        const double exact = values[rank - 1];
        EXPECT_NEAR(sketch.Quantile(p), exact, std::abs(exact) * QuantileSketch::kRelativeError) << p;
    }
    EXPECT_EQ(sketch.Quantile(0), values.front());
    EXPECT_EQ(sketch.Quantile(1), values.back());
}

TEST(QuantileSketch, ExactForARepeatedValueAndTheSameHoweverTheValuesAreSplit) {
    QuantileSketch constant;
    for (int i = 0; i < 100; ++i) constant.Add(0.123456789);
    EXPECT_EQ(constant.Quantile(0.5), 0.123456789);

    std::vector<double> values;
    for (int i = 0; i < 3000; ++i) values.push_back(i % 7 == 0 ? 5.0 : std::sin(i) * 100);
    QuantileSketch whole, parts[3];
    for (double x : values) whole.Add(x);
    for (std::size_t i = 0; i < values.size(); ++i) parts[(i * 7) % 3].Add(values[i]);
    parts[2].Merge(parts[0]);
    parts[2].Merge(parts[1]);
    for (double p : {0.05, 0.5, 0.95}) EXPECT_EQ(parts[2].Quantile(p), whole.Quantile(p)) << p;
    EXPECT_EQ(parts[2].Count(), 3000u);
}

// A bucket's count outgrows 16 bits by one at a time and by a large repeat; ranks must still
// fall in the right buckets, alone and after merging.
TEST(QuantileSketch, CountsBeyondSixteenBitsStayExact) {
    constexpr double e = QuantileSketch::kRelativeError;
    QuantileSketch sketch, other;
    sketch.Add(1.0);  // the common value, counted apart
    for (int i = 0; i < 70000; ++i) sketch.Add(2.0);
    for (int i = 0; i < 70000; ++i) sketch.Add(3.0);
    EXPECT_NEAR(sketch.Quantile(0.49), 2.0, 2.0 * e);
    EXPECT_NEAR(sketch.Quantile(0.51), 3.0, 3.0 * e);

    other.AddRepeated(4.0, 5'000'000'000);
    other.AddRepeated(2.0, 1);
    sketch.Merge(other);
    const double n = 5'000'140'002;
    EXPECT_EQ(sketch.Count(), 5'000'140'002u);
    EXPECT_NEAR(sketch.Quantile(70002 / n), 2.0, 2.0 * e);
    EXPECT_NEAR(sketch.Quantile(70003 / n), 3.0, 3.0 * e);
    EXPECT_NEAR(sketch.Quantile(140002 / n), 3.0, 3.0 * e);
    EXPECT_NEAR(sketch.Quantile(140003 / n), 4.0, 4.0 * e);
}

TEST(Moments, MergedPartsGiveTheMeanAndDeviationOfTheWhole) {
    Moments whole, first, second;
    for (int i = 0; i < 1000; ++i) {
        const double x = 1e6 + (i % 10);  // a large offset, where naive sums of squares cancel
        whole.Add(x);
        (i < 300 ? first : second).Add(x);
    }
    first.Merge(second);
    EXPECT_DOUBLE_EQ(whole.Mean(), 1e6 + 4.5);
    EXPECT_NEAR(first.Mean(), whole.Mean(), 1e-9);
    EXPECT_NEAR(whole.StandardDeviation(), std::sqrt(8.25 * 1000 / 999), 1e-9);
    EXPECT_NEAR(first.StandardDeviation(), whole.StandardDeviation(), 1e-9);
}

TEST(Sampling, LatinHypercubeDrawsEveryStratumOnceForEachInput) {
    const std::uint64_t n = 1000;  // not a power of two
    const LatinHypercube lhs(42, n);
    std::vector<std::uint64_t> first, second;
    for (std::uint64_t i = 0; i < n; ++i) {
        first.push_back(lhs.Stratum(0, i));
        second.push_back(lhs.Stratum(1, i));
    }
    EXPECT_NE(first, second);
    for (auto* strata : {&first, &second}) {
        std::sort(strata->begin(), strata->end());
        for (std::uint64_t i = 0; i < n; ++i) EXPECT_EQ((*strata)[i], i);
    }
}

TEST(Sampling, QuantilesOfEachDistribution) {
    EXPECT_NEAR(NormalQuantile(0.975), 1.959963984540054, 1e-8);
    EXPECT_NEAR(NormalQuantile(0.001), -3.090232306167813, 1e-8);
    EXPECT_DOUBLE_EQ(ParseDistribution("uniform(2, 4)").Quantile(0.25), 2.5);
    const Distribution triangle = ParseDistribution("triangular(0,1,4)");
    EXPECT_NEAR(triangle.Quantile(0.25), 1, 1e-12);  // a quarter of the area lies below the mode
    EXPECT_NEAR(triangle.Quantile(1 - 0.75 / 4), 4 - 1.5, 1e-12);
    EXPECT_NEAR(ParseDistribution("normal(10,2)").Quantile(0.975), 10 + 2 * 1.959963984540054, 1e-7);
    EXPECT_NEAR(ParseDistribution("lognormal(0.05,2)").Quantile(0.5), 0.05, 1e-12);
    EXPECT_NEAR(ParseDistribution("lognormal(0.05,2)").Quantile(0.975), 0.05 * std::pow(2, 1.959963984540054),
                1e-8);
}

TEST(RootFinding, StopsPastTheCrossingOfSmoothAndSteppedResults) {
    const auto smooth = [](double x) { return 100 * (1 - std::exp(-x)) - 80; };  // crosses at ln 5
    const Root root = NarrowCrossing(smooth, 0.1, smooth(0.1), 10, smooth(10), 1e-12, 200);
    EXPECT_NEAR(root.x, std::log(5.0), 1e-10);
    EXPECT_GE(root.gx, 0);

    // A result that moves in steps of 0.01, as one computed from a rounded detention time.
    const auto stepped = [](double x) { return std::floor(x * 100) / 100 - 1.234; };
    const Root step = NarrowCrossing(stepped, 0, stepped(0), 3, stepped(3), 1e-9, 200);
    EXPECT_GE(step.gx, 0);
    EXPECT_NEAR(step.x, 1.24, 1e-8);

    EXPECT_EQ(FirstCrossing({-3, -1, 2, -1}), (std::pair<std::size_t, std::size_t>{1, 2}));
    EXPECT_EQ(FirstCrossing({-3, 0, 2}), (std::pair<std::size_t, std::size_t>{1, 1}));
    EXPECT_FALSE(FirstCrossing({-3, -1, -2}));
    // The only sign change between the last two points, and a last point exactly on target.
    EXPECT_EQ(FirstCrossing({-3, -2, -1, 4}), (std::pair<std::size_t, std::size_t>{2, 3}));
    EXPECT_EQ(FirstCrossing({-3, -2, 0}), (std::pair<std::size_t, std::size_t>{2, 2}));
    const std::vector<double> grid = SearchGrid(1, 1000, 4);
    EXPECT_NEAR(grid[1], 10, 1e-12);
    EXPECT_EQ(grid[3], 1000);
}

TEST(OrderedParallel, HandsBackBlocksInOrderAndStopsAfterAnInterruptWithoutGaps) {
    std::vector<std::size_t> seen;
    Progress quiet("", 0);
    const auto produce = [](int, std::size_t begin, std::size_t end) {
        std::this_thread::sleep_for(std::chrono::microseconds((begin * 7919) % 300));
        std::vector<std::size_t> items(end - begin);
        std::iota(items.begin(), items.end(), begin);
        return items;
    };
    const auto consume = [&seen](std::vector<std::size_t>&& items) {
        seen.insert(seen.end(), items.begin(), items.end());
    };
    EXPECT_EQ(RunBlocksInOrder(1000, 7, 3, produce, consume, quiet), 1000u);
    for (std::size_t i = 0; i < seen.size(); ++i) ASSERT_EQ(seen[i], i);
    EXPECT_EQ(seen.size(), 1000u);

    seen.clear();
    const auto interrupting = [&produce](int worker, std::size_t begin, std::size_t end) {
        if (begin >= 300) SetInterrupted(true);
        return produce(worker, begin, end);
    };
    const std::size_t done = RunBlocksInOrder(1000, 10, 3, interrupting, consume, quiet);
    SetInterrupted(false);
    EXPECT_GE(done, 310u);
    EXPECT_LT(done, 1000u);
    ASSERT_EQ(seen.size(), done);
    for (std::size_t i = 0; i < seen.size(); ++i) ASSERT_EQ(seen[i], i);

    const auto failing = [](int, std::size_t begin, std::size_t) -> int {
        if (begin == 50) throw std::runtime_error("block 5");
        return 0;
    };
    EXPECT_THROW(RunBlocksInOrder(
                     100, 10, 2, failing, [](int) {}, quiet),
                 std::runtime_error);
}

// Wilson score intervals worked by hand with z = 1.959964.
TEST(TargetChance, ShareAndWilsonScoreInterval) {
    struct Case {
        std::size_t met, n;
        double share, low, high;
    };
    constexpr Case kCases[] = {
        {8, 10, 0.8, 0.490162, 0.943318},
        {0, 20, 0, 0, 0.161125},
        {20, 20, 1, 0.838875, 1},
    };
    for (const Case& c : kCases) {
        const TargetChance chance{c.met, c.n};
        EXPECT_DOUBLE_EQ(chance.Share(), c.share) << c.met << " of " << c.n;
        EXPECT_NEAR(chance.Low(), c.low, 1e-6) << c.met << " of " << c.n;
        EXPECT_NEAR(chance.High(), c.high, 1e-6) << c.met << " of " << c.n;
    }
    EXPECT_TRUE(std::isnan(TargetChance{}.Share()));
}

TEST(Fields, NamedByLabelOrUnderscoredLabelWithTheirWorkingCopies) {
    const InputField ktn = FindInputField("Ktn");
    ASSERT_NE(ktn.working, nullptr);
    EXPECT_STREQ(ktn.working->label, "Ktn_temp");
    EXPECT_STREQ(FindInputField("TSS_removal_rate").value->label, "TSS removal rate");
    EXPECT_STREQ(FindInputField("Kds[1]").value->label, "Kds[1]");
    EXPECT_STREQ(FindInputField("Kds[1]").working->label, "Kds_temp[1]");
    EXPECT_THROW(FindInputField("Kds[3]"), StudyError);
}

// A wetland of 1 ha, 0.5 m deep, 200 m by 50 m, at 0.1 m^3/s fully mixed, entered by each
// pair of dimensions with either length or width: four times the area is the same wetland
// twice as long and twice as wide, 20000 m^3 held for 2.31 days, whatever was chosen.
TEST(Fields, AnAreaStudyKeepsTheDepthAndShapeWhicheverDimensionsTheProjectChose) {
    struct Choice {
        bool volume, area, depth, length;
    };
    constexpr Choice kChoices[] = {
        {true, true, false, true},  {true, true, false, false}, {false, true, true, true},
        {false, true, true, false}, {true, false, true, true},  {true, false, true, false},
    };
    for (const Choice& c : kChoices) {
        ModelState project{};
        static_cast<ProjectRecord&>(project) = DefaultRecord();
        project.volume = project.volume_temp = 5000;
        project.area = project.area_temp = 10000;
        project.depth = project.depth_temp = 0.5;
        project.length = project.length_temp = 200;
        project.width = project.width_temp = 50;
        project.flow = project.flow_temp = 0.1;
        project.mixed_clac_re = 1;
        project.checked_Volume = project.checked_Volume_temp = c.volume;
        project.checked_Area = project.checked_Area_temp = c.area;
        project.checked_Depth = project.checked_Depth_temp = c.depth;
        project.checked_Length = project.checked_Length_temp = c.length;
        project.checked_Width = project.checked_Width_temp = !c.length;
        const Study study("wetland", project, {FindInputField("area")});
        ModelState s{};
        ResultValues results{};
        const double area = 40000;
        study.Evaluate(std::span<const double>(&area, 1), s, results);
        const std::string pair = std::to_string(c.volume) + std::to_string(c.area) + std::to_string(c.depth) +
                                 std::to_string(c.length);
        EXPECT_DOUBLE_EQ(s.depth, 0.5) << pair;
        EXPECT_DOUBLE_EQ(s.volume, 20000) << pair;
        EXPECT_DOUBLE_EQ(s.length, 400) << pair;
        EXPECT_DOUBLE_EQ(s.width, 100) << pair;
        EXPECT_EQ(s.detention_time, 2.31) << pair;
        EXPECT_EQ(project.checked_Volume, c.volume) << pair;
        EXPECT_EQ(project.checked_Length, c.length) << pair;
    }
}

// A wetland known by its volume and area: varying the depth keeps the area and lets the
// volume follow, and the detention time and velocity follow the volume.
TEST(Fields, VaryingAnUnchosenDimensionChoosesItAndTheScreensDerivedValuesFollow) {
    ModelState s{};
    static_cast<ProjectRecord&>(s) = DefaultRecord();
    s.checked_Volume = s.checked_Area = s.checked_Width = 1;
    s.checked_Depth = s.checked_Length = 0;
    s.mixed_clac_re = 1;
    s.model_n = 1;
    s.Ktn = 0.3;
    const StudyInputs inputs({FindInputField("depth")});
    inputs.Prepare(s);
    EXPECT_EQ(s.checked_Depth, 1);
    EXPECT_EQ(s.checked_Area_temp, 1);
    EXPECT_EQ(s.checked_Volume, 0);
    const double depth = 2;
    inputs.Apply(s, std::span<const double>(&depth, 1));
    EXPECT_EQ(s.depth, 2);
    EXPECT_EQ(s.volume, 2e6);            // 1e6 m^2 at 2 m
    EXPECT_EQ(s.detention_time, 23.15);  // 2e6 m^3 at 1 m^3/s, fully mixed
    EXPECT_EQ(s.mean_vel_cms, 0.1);      // 1 m^3/s through 500 m by 2 m
    EXPECT_EQ(s.Ktn, 0.3);               // a modelled constituent keeps its rate

    EXPECT_THROW(StudyInputs({FindInputField("length"), FindInputField("width")}), StudyError);
}

}  // namespace
}  // namespace velmar::study
