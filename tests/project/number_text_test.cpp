// Numbers to text and back. Expected texts are worked by hand from the layout rule (fixed or
// scientific, whichever is shorter, fixed on a tie); the standard library's <charconv>, where
// it converts doubles, is the independent method the property tests compare with.
#include "project/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

#include "project/csv_text.h"

namespace velmar {
namespace {

std::string Shortest(double x) {
    char text[kShortestTextSize];
    return std::string(text, ShortestText(text, x));
}

double OfBits(std::uint64_t bits) {
    double x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

TEST(NumberText, ShortestTextOfEdgeValues) {
    const struct {
        double x;
        const char* text;
    } cases[] = {
        {0.0, "0"},
        {-0.0, "-0"},
        {1, "1"},
        {-2.5, "-2.5"},
        {100000, "1e+05"},  // "100000" is longer than "1e+05"
        {123456, "123456"},
        {10000, "10000"},        // a tie of 5 characters goes to fixed
        {12345678, "12345678"},  // "1.2345678e+07" is longer
        {1e-05, "1e-05"},
        {0.0001, "1e-04"},  // "0.0001" is longer
        {0.001, "0.001"},   // a tie of 5 characters goes to fixed
        {0.00012, "0.00012"},
        {0.1 + 0.2, "0.30000000000000004"},
        {5e-324, "5e-324"},
        {DBL_MIN, "2.2250738585072014e-308"},
        {DBL_MAX, "1.7976931348623157e+308"},
        {1e22, "1e+22"},
        {1e23, "1e+23"},
        {0x1p53, "9007199254740992"},
        {0x1p60, "1152921504606846976"},  // whole and above 2^53: its exact digits
        {1.2345678901234567e+20, "123456789012345667584"},
        {OfBits(0x000f'ffff'ffff'ffff), "2.225073858507201e-308"},  // the largest subnormal
        {0x1p1023, "8.98846567431158e+307"},
        {0x1p-1, "0.5"},
        {0x1.fffffffffffffp-1, "0.9999999999999999"},
        {HUGE_VAL, "inf"},
        {-HUGE_VAL, "-inf"},
        {std::nan(""), "nan"},
        {-std::nan(""), "-nan"},
    };
    for (const auto& c : cases) EXPECT_EQ(Shortest(c.x), c.text) << c.text;
    EXPECT_EQ(NumberText(std::nan("")), "nan");
}

TEST(NumberText, ShortestTextEqualsCharconvOnAMillionBitPatterns) {
#if defined(__cpp_lib_to_chars)
    std::mt19937_64 bits(20261208);
    for (int i = 0; i < 1'000'000; ++i) {
        // Every other pattern is a small whole number or near a binade's edge, where
        // layouts and the asymmetric rounding interval are most often wrong.
        const std::uint64_t pattern = bits();
        const double x = i % 4 == 1   ? static_cast<double>(pattern % 100'000'000'000)
                         : i % 4 == 3 ? OfBits((pattern & 0xfff0'0000'0000'0000) | (pattern % 3))
                                      : OfBits(pattern);
        char expected[64];
        const std::string want(expected, std::to_chars(expected, expected + sizeof expected, x).ptr);
        ASSERT_EQ(Shortest(x), want) << "bits " << std::hex << pattern;
    }
#else
    GTEST_SKIP() << "this standard library has no floating-point to_chars to compare with";
#endif
}

TEST(NumberText, ReadNumberAcceptsWhatFromCharsAccepts) {
    const struct {
        const char* text;
        std::errc error;
        int used;  // characters read
        double value;
    } cases[] = {
        {"0.1", std::errc(), 3, 0.1},
        {"-0", std::errc(), 2, -0.0},
        {"1.", std::errc(), 2, 1},
        {".5", std::errc(), 2, 0.5},
        {"-.5e1", std::errc(), 5, -5},
        {"1e", std::errc(), 1, 1},  // an exponent without digits is not read
        {"1e+", std::errc(), 1, 1},
        {"1E-2x", std::errc(), 4, 0.01},
        {"00012", std::errc(), 5, 12},
        {"0x10", std::errc(), 1, 0},  // no hexadecimal
        {"12,5", std::errc(), 2, 12},
        {"0e999999999999999", std::errc(), 17, 0},
        {"4e-324", std::errc(), 6, 5e-324},
        {"2.4703282292062328e-324", std::errc(), 23, 5e-324},  // just over half the smallest
        {"1.7976931348623158e308", std::errc(), 22, DBL_MAX},
        {"InFiNiTy", std::errc(), 8, HUGE_VAL},
        {"-infx", std::errc(), 4, -HUGE_VAL},
        {"+1", std::errc::invalid_argument, 0, 42},
        {" 1", std::errc::invalid_argument, 0, 42},
        {".", std::errc::invalid_argument, 0, 42},
        {"-", std::errc::invalid_argument, 0, 42},
        {"", std::errc::invalid_argument, 0, 42},
        {"e5", std::errc::invalid_argument, 0, 42},
        {"1e400", std::errc::result_out_of_range, 5, 42},
        {"-1e400", std::errc::result_out_of_range, 6, 42},
        {"1e-400", std::errc::result_out_of_range, 6, 42},
        {"2.4703282292062327e-324", std::errc::result_out_of_range, 23, 42},  // rounds to zero
        {"1.7976931348623159e308", std::errc::result_out_of_range, 22, 42},   // rounds to infinity
        {"1e-99999999999999999999", std::errc::result_out_of_range, 23, 42},
    };
    for (const auto& c : cases) {
        double value = 42;
        const auto [end, error] = ReadNumber(c.text, c.text + std::strlen(c.text), value);
        EXPECT_EQ(error, c.error) << c.text;
        EXPECT_EQ(end - c.text, c.used) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
        EXPECT_EQ(std::signbit(value), std::signbit(c.value)) << c.text;
    }
    const struct {
        const char* text;
        int used;
        bool negative;
    } nans[] = {{"nan", 3, false},
                {"-NaN", 4, true},
                {"nan(0x_7f)", 10, false},
                {"nan(", 3, false},
                {"nan(a b)", 3, false}};
    for (const auto& n : nans) {
        double value = 0;
        const auto [end, error] = ReadNumber(n.text, n.text + std::strlen(n.text), value);
        EXPECT_TRUE(error == std::errc() && std::isnan(value)) << n.text;
        EXPECT_EQ(end - n.text, n.used) << n.text;
        EXPECT_EQ(std::signbit(value), n.negative) << n.text;
    }
}

TEST(NumberText, ReadNumberEqualsCharconvOnAMillionTexts) {
#if defined(__cpp_lib_to_chars)
    std::mt19937_64 random(8122026);
    const char* const formats[] = {"%.17g", "%.3g", "%.25e", "%.0f", "%a"};
    const char kAlphabet[] = "0123456789.eE+-";
    for (int i = 0; i < 1'000'000; ++i) {
        std::string text;
        if (i % 2 == 0) {
            // A number as some program would write it.
            char written[512];
            std::snprintf(written, sizeof written, formats[i / 2 % 5], OfBits(random()));
            text = written;
        } else {
            // Digits, points, signs and exponent letters in any order.
            for (std::uint64_t n = random() % 12; n > 0; --n)
                text += kAlphabet[random() % (sizeof kAlphabet - 1)];
        }
        double want = 42, got = 42;
        const char* first = text.data();
        const char* last = first + text.size();
        const auto expected = std::from_chars(first, last, want);
        const auto read = ReadNumber(first, last, got);
        ASSERT_EQ(read.ec, expected.ec) << text;
        ASSERT_EQ(read.ptr, expected.ptr) << text;
        ASSERT_TRUE(std::memcmp(&got, &want, sizeof got) == 0 || (std::isnan(got) && std::isnan(want)))
            << text;
    }
#else
    GTEST_SKIP() << "this standard library has no floating-point from_chars to compare with";
#endif
}

TEST(NumberText, GeneralTextIsPrintfInTheCLocale) {
    const struct {
        double x;
        const char* text;
    } cases[] = {{0.1, "0.1"},
                 {123456, "123456"},
                 {1234567, "1.23457e+06"},
                 {-0.000123456789, "-0.000123457"},
                 {1e-5, "1e-05"},
                 {1e100, "1e+100"},
                 {-0.0, "-0"},
                 {HUGE_VAL, "inf"}};
    for (const auto& c : cases) EXPECT_EQ(GeneralText(c.x, 6), c.text) << c.text;
    // A locale whose decimal separator is a comma, where the system has one.
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "ru_RU.UTF-8"}) {
        if (!std::setlocale(LC_NUMERIC, name)) continue;
        EXPECT_EQ(GeneralText(-2.5, 6), "-2.5") << name;
        EXPECT_EQ(GeneralText(1.5e-7, 6), "1.5e-07") << name;
        double value = 0;
        const char text[] = "2.5e-1";
        EXPECT_EQ(ReadNumber(text, text + 6, value).ptr, text + 6) << name;
        EXPECT_EQ(value, 0.25) << name;
    }
    std::setlocale(LC_NUMERIC, "C");
}

}  // namespace
}  // namespace velmar
