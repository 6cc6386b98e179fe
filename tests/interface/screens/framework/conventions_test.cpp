// Number texts: what a field accepts, the value it stores and how a value is shown.
#include "interface/screens/framework/conventions.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace velmar::testing {
namespace {

TEST(NumberText, AcceptedTextsStoreTheirLeadingNumber) {
    const std::pair<const char*, double> kAccepted[] = {
        {"", 0},      {"1-2", 1},           {"+-5", 0},      {".", 0},
        {"1e", 1},    {"1e+5+", 100000},    {"5+", 5},       {"-.5", -0.5},
        {"+.5", 0.5}, {"-2.5E-3", -0.0025}, {"1.5e3", 1500}, {"007", 7},
    };
    for (const auto& [text, value] : kAccepted) {
        EXPECT_TRUE(IsNumberText(text)) << text;
        EXPECT_EQ(NumberTextValue(text), value) << text;
    }
}

TEST(NumberText, RejectedTexts) {
    for (const char* text :
         {"e5", "1.2.3", " 5", "5 ", "5,0", "1e5e2", "++5", "--5", "1e+5++", "1x", "0x1"}) {
        EXPECT_FALSE(IsNumberText(text)) << text;
        EXPECT_FALSE(NumberTextValue(text)) << text;
    }
}

TEST(NumberText, FieldsRefuseTextsTooLongOrNumbersBeyondADouble) {
    const std::string longest = "0." + std::string(97, '5');
    EXPECT_TRUE(NumberTextValue(longest));
    EXPECT_FALSE(NumberTextValue(longest + "5"));
    for (const char* text : {"1e400", "-1e400", "1e-400"}) {
        EXPECT_TRUE(IsNumberText(text)) << text;
        EXPECT_FALSE(NumberTextValue(text)) << text;
    }
}

TEST(NumberText, ShownWithSixDigitsAndShortExponents) {
    const std::pair<double, const char*> kShown[] = {
        {1000000, "1e+6"}, {0.000025, "2.5e-5"}, {2.5, "2.5"},           {0.123456789, "0.123457"},
        {0, "0"},          {100000, "100000"},   {-1.5e-10, "-1.5e-10"}, {123456789, "1.23457e+8"},
        {1e100, "1e+100"}, {-20.5, "-20.5"},
    };
    for (const auto& [value, text] : kShown) EXPECT_EQ(FormatNumberText(value), text) << value;
}

}  // namespace
}  // namespace velmar::testing
