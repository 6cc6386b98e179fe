// Each conversion against a case worked by hand from its definition.
#include "project/units.h"

#include <gtest/gtest.h>

namespace velmar::units {
namespace {

struct Conversion {
    const char* what;
    double factor;
    double expected;
};

TEST(Units, ConversionsWorkedFromTheirDefinitions) {
    const Conversion conversions[] = {
        {"seconds in a year of 365.25 days of 24 h", kSecondsPerYear, 31557600},
        // 1 cm/yr = 0.01 m per 365.25 days.
        {"1 cm/yr in m/day", kCmPerYearToMPerDay, 0.01 / 365.25},
        // 1 mg/L = 1 g/m^3; at 1 m^3/s that is 1 g/s, 31 557 600 g = 31 557.6 kg a year.
        {"1 mg/L at 1 m^3/s in kg/yr", kQiCiToKgPerYear, 31557.6},
        // 365.25 kg/yr is 1 kg = 1000 g a day.
        {"365.25 kg/yr in g/day", 365.25 * kKgPerYearToGPerDay, 1000},
        // 1 cm/yr of sediment at 1000 g/L deposits 10 kg/m^2 a year; carried by water holding
        // 1 mg/L (0.001 kg/m^3) that is 10 000 m of water a year, 27.38 m a day.
        {"1 cm/yr at 1000 g/L over 1 mg/L in m/day", 1000 * kAccretionToSettling / 1, 10000 / 365.25},
    };
    for (const Conversion& c : conversions) EXPECT_NEAR(c.factor, c.expected, 1e-12 * c.expected) << c.what;
}

TEST(Units, ReciprocalPairs) {
    EXPECT_DOUBLE_EQ(kCentimetresPerMetre * kMetresPerCentimetre, 1);
    EXPECT_DOUBLE_EQ(kGramsPerKilogram * kKilogramsPerGram, 1);
    // mg/L times L/kg: 1000 mg/L of solids holding 1000 L/kg is a mass ratio of 1.
    EXPECT_DOUBLE_EQ(1000 * 1000 * kKilogramsPerMilligram, 1);
}

}  // namespace
}  // namespace velmar::units
