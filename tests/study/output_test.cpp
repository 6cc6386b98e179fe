// What the studies write for programs and for people: CSV and JSON rows, the aligned
// summaries, suggestions for misspelt names, and the samples' random streams.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <sstream>

#include "project/record.h"
#include "study/constituents.h"
#include "study/nearest_names.h"
#include "study/random_stream.h"
#include "study/results.h"
#include "study/row_writer.h"
#include "study/summary_table.h"

namespace velmar::study {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

std::string Written(Format format, const std::vector<std::vector<Cell>>& rows) {
    std::ostringstream out;
    auto writer = MakeRowWriter(format, out, {"name", "value, in mg/L"});
    for (const auto& row : rows) writer->Row(row);
    writer->Finish();
    return out.str();
}

TEST(RowWriter, CsvQuotesWhatWouldSplitAFieldAndWritesNumbersToReadBackExactly) {
    EXPECT_EQ(Written(Format::Csv, {{std::string("plain"), 0.1},
                                    {std::string("say \"hi\", twice"), 1e-6},
                                    {std::string("two\nlines"), kNaN},
                                    {std::string(""), -kInfinity}}),
              "name,\"value, in mg/L\"\n"
              "plain,0.1\n"
              "\"say \"\"hi\"\", twice\",1e-06\n"
              "\"two\nlines\",nan\n"
              ",-inf\n");
}

TEST(RowWriter, JsonHasNullForWhatIsNotANumberAndWholeNumbersWithoutFraction) {
    EXPECT_EQ(Written(Format::Json, {}), "[]\n");
    EXPECT_EQ(Written(Format::Json,
                      {{std::string("a\"b"), 3.0}, {std::string("c"), kNaN}, {std::string("d"), 2.5}}),
              "[\n"
              "{\"name\":\"a\\\"b\",\"value, in mg/L\":3},\n"
              "{\"name\":\"c\",\"value, in mg/L\":null},\n"
              "{\"name\":\"d\",\"value, in mg/L\":2.5}\n"
              "]\n");
}

TEST(RowWriter, NumberTextIsTheShortestExactForm) {
    const struct {
        double x;
        const char* text;
    } cases[] = {{0.1, "0.1"}, {1.0 / 3, "0.3333333333333333"}, {1e21, "1e+21"}, {-0.0, "-0"}, {100, "100"}};
    for (const auto& c : cases) {
        EXPECT_EQ(NumberText(c.x), c.text);
        EXPECT_EQ(std::stod(NumberText(c.x)), c.x);
    }
}

TEST(SummaryTable, ShortNumbersAndAlignedColumns) {
    EXPECT_EQ(ShortNumber(12.34567), "12.35");
    EXPECT_EQ(ShortNumber(0.000123456), "0.0001235");
    EXPECT_EQ(ShortNumber(1234567), "1.235e+06");
    std::ostringstream out;
    WriteAligned(out, {{"Constituent", "RE"}, {"TSS", "92.5"}, {"Cadmium", "7"}});
    EXPECT_EQ(out.str(),
              "Constituent    RE\n"
              "TSS          92.5\n"
              "Cadmium         7\n");
}

// Coliforms are counted per 100 mL: a column of outflows keeps the unit most of them are in
// and a note names the others.
TEST(SummaryTable, RunSummaryShowsOnlyTheModelledConstituentsTheirColumnsAndUnits) {
    ResultValues v{};
    v[FindResult("TSS_removal_rate")] = 0.5;
    v[FindResult("RE_TSS")] = 50;
    v[FindResult("TSSoutConc")] = 20;
    v[FindResult("tcb_decay_rate")] = 1.5;
    v[FindResult("RE_TCB")] = 99;
    v[FindResult("TCBoutConc")] = 900;
    v[FindResult("tn_decay_rate")] = 0.25;
    v[FindResult("RE_TN")] = 33.333333;
    v[FindResult("TNoutConc")] = 2;
    const struct {
        bool tss, tss_outflow, tcb, tn;
        const char* summary;
    } cases[] = {
        {false, false, false, false, "  no constituent is modelled\n\n"},
        {true, false, false, true,
         "Constituent  Removal rate     RE  Outflow\n"
         "                   (/day)    (%)   (mg/L)\n"
         "TSS                   0.5     50        -\n"
         "TN                   0.25  33.33        2\n"
         "\n"},
        {false, false, true, false,
         "Constituent  Removal rate   RE      Outflow\n"
         "                   (/day)  (%)  (mpn/100mL)\n"
         "TCB                   1.5   99          900\n"
         "\n"},
        {true, true, true, true,
         "Constituent  Removal rate     RE  Outflow\n"
         "                   (/day)    (%)   (mg/L)\n"
         "TSS                   0.5     50       20\n"
         "TCB                   1.5     99      900\n"
         "TN                   0.25  33.33        2\n"
         "TCB outflow in mpn/100mL.\n"
         "\n"},
    };
    for (const auto& c : cases) {
        ProjectRecord r = DefaultRecord();
        r.model_tss = c.tss;
        r.checked_TSSGenOutConc = c.tss_outflow;
        r.model_tcb = r.checked_TCBGenOutConc = c.tcb;
        r.model_n = r.checked_TNGenOutConc = c.tn;
        r.model_bod = r.model_p = r.model_contaminant = 0;
        std::ostringstream summary;
        WriteRunSummary(summary, "p.inp", r, v);
        EXPECT_EQ(summary.str(), std::string("p.inp\n") + c.summary);
    }

    ProjectRecord r = DefaultRecord();
    r.model_tss = r.model_bod = r.model_n = r.model_p = r.model_contaminant = 0;
    r.model_tcb = r.checked_TCBGenOutConc = 1;
    std::ostringstream quantities;
    WriteQuantitySummary(quantities, "p.inp", r, {"mean"}, [&v](std::size_t result) {
        return std::vector<std::string>{ShortNumber(v[result])};
    });
    EXPECT_EQ(quantities.str(),
              "p.inp\n"
              "Quantity                 mean\n"
              "TCB removal rate (/day)   1.5\n"
              "TCB RE (%)                 99\n"
              "TCB outflow (mpn/100mL)   900\n"
              "\n");
}

TEST(NearestNames, ClosestByEditsIgnoringCaseNearestFirst) {
    const std::vector<std::string_view> known = {"RE_TSS", "RE_TN", "RE_TP", "TSSoutConc", "re_tss"};
    EXPECT_EQ(NearestNames("re_tn", known), (std::vector<std::string>{"RE_TN", "RE_TP", "RE_TSS"}));
    EXPECT_EQ(NearestNames("RE_TS", known, 1), (std::vector<std::string>{"RE_TSS"}));
    EXPECT_EQ(UnknownNameMessage("result", "RE_TX", {"RE_TN", "flow"}),
              "unknown result 'RE_TX'; nearest: RE_TN, flow");
    EXPECT_EQ(UnknownNameMessage("field", "x", {}), "unknown field 'x'");
}

TEST(SampleStream, TheSameSamplesForTheSameSeedAndUniformInTheOpenInterval) {
    SampleStream a(7, 3), b(7, 3), other_sample(7, 4), other_seed(8, 3);
    std::set<std::uint64_t> seen;
    for (int i = 0; i < 100; ++i) {
        const std::uint64_t x = a.Next();
        EXPECT_EQ(x, b.Next());
        seen.insert(x);
        seen.insert(other_sample.Next());
        seen.insert(other_seed.Next());
    }
    EXPECT_EQ(seen.size(), 300u);  // no stream repeats another's numbers

    // The mean of n uniform values is 1/2 give or take 1 / sqrt(12 n): 0.0029 for 10 000.
    SampleStream u(1, 0);
    double sum = 0, low = 1, high = 0;
    for (int i = 0; i < 10000; ++i) {
        const double x = u.Uniform();
        sum += x;
        low = std::min(low, x);
        high = std::max(high, x);
    }
    EXPECT_NEAR(sum / 10000, 0.5, 4 * 0.0029);
    EXPECT_GT(low, 0);
    EXPECT_LT(high, 1);
    // SplitMix64's published first output for a state of 0 is 0xe220a8397b1dcdaf.
    EXPECT_EQ(Mix64(0x9e3779b97f4a7c15ULL), 0xe220a8397b1dcdafULL);
}

}  // namespace
}  // namespace velmar::study
