// Every kind of bad input: the exit status, the very message, and no file changed: nothing on
// standard output, and the folder of the project and an earlier output as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "study/command_line.h"
#include "study/interrupt.h"
#include "tests/study/study_runner.h"
#include "tests/support/file_faults.h"

namespace velmar {
namespace {

using testing::Example;
using testing::FolderContents;
using testing::ReadText;
using testing::RunStudy;
using testing::TempDir;
using testing::WriteText;

constexpr char kEarlierOutput[] = "an earlier output\n";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// typical.inp with line n (from 1) replaced, or cut after line n when `text` is null.
std::string TypicalWithLine(std::size_t n, const char* text) {
    std::istringstream in(ReadText(Example("typical.inp")));
    std::string changed, line;
    for (std::size_t i = 1; std::getline(in, line); ++i) {
        if (i == n && text == nullptr) break;
        changed += (i == n ? std::string(text) : line) + "\n";
    }
    return changed;
}

// A folder with the typical project (p.inp), a link to it, an earlier output, and projects
// spoilt as a careless edit or a failed copy would.
void FillFolder(const TempDir& dir) {
    const std::string typical = ReadText(Example("typical.inp"));
    WriteText(dir.File("p.inp"), typical);
    std::filesystem::create_symlink("p.inp", dir.File("link.inp"));
    WriteText(dir.File("old.csv"), kEarlierOutput);
    WriteText(dir.File("cut.inp"), TypicalWithLine(401, nullptr));
    WriteText(dir.File("abc.inp"), TypicalWithLine(339, "abc"));
    WriteText(dir.File("comma.inp"), TypicalWithLine(339, "1,16"));
    WriteText(dir.File("nan.inp"), TypicalWithLine(339, "nan"));
    WriteText(dir.File("inf.inp"), TypicalWithLine(339, "-inf"));
    WriteText(dir.File("digits.inp"), TypicalWithLine(339, ("1" + std::string(400, '0')).c_str()));
    WriteText(dir.File("int.inp"), TypicalWithLine(3, "1.5"));
    WriteText(dir.File("name.inp"), TypicalWithLine(867, "Dieldrin oil"));
    WriteText(dir.File("long_label.inp"), TypicalWithLine(338, std::string(80, 'x').c_str()));
    WriteText(dir.File("big.inp"), typical + std::string(400000, '\n'));
}

struct BadInput {
    std::string arguments;  // {dir}: the folder; {typical}: the example project
    int status;
    std::string message;  // all of standard error
};

TEST(BadInput, IsRefusedWithItsStatusAndMessageAndNoFileChanged) {
    const std::string n = "uncertainty {typical} --dist 'Vs=uniform(1,2)' -n ";
    const std::string dist = "uncertainty {typical} -n 10 --dist ";
    const std::string long_name(100000, 'x');
    const std::string usage = "\nRun with --help for more information.\n";
    const std::string samples = "-n: '{n}' is not a whole number from 1 to 9223372036854775807";
    const BadInput kCases[] = {
        // What the parser refuses.
        {"run --bogus {typical}", 2, "The following argument was not expected: --bogus" + usage},
        {"", 2, "A subcommand is required" + usage},
        {"run", 2, "projects is required" + usage},
        {"uncertainty {typical} --dist 'Vs=uniform(1,2)'", 2, "-n is required" + usage},
        {"run --format xml {typical}", 2,
         "--format: Check xml value in {csv->0,json->1,table->2} OR {0,1,2} FAILED" + usage},
        {"compare --type vsb {typical}", 2,
         "--type: Check vsb value in {fws->0,hssf->1} OR {0,1} FAILED" + usage},
        // Whole numbers, read one way for every option.
        {n + "010", 1, Replaced(samples, "{n}", "010")},
        {n + "0x10", 1, Replaced(samples, "{n}", "0x10")},
        {n + "' 5'", 1, Replaced(samples, "{n}", " 5")},
        {n + "'5 '", 1, Replaced(samples, "{n}", "5 ")},
        {n + "-3", 1, Replaced(samples, "{n}", "-3")},
        {n + "0", 1, Replaced(samples, "{n}", "0")},
        {n + "99999999999999999999", 1, Replaced(samples, "{n}", "99999999999999999999")},
        {n + "10 --seed -1", 1, "--seed: '-1' is not a whole number from 0 to 18446744073709551615"},
        {n + "10 --seed 18446744073709551616", 1,
         "--seed: '18446744073709551616' is not a whole number from 0 to 18446744073709551615"},
        {"run --threads 0 {typical}", 1, "--threads: '0' is not a whole number from 1 to 4096"},
        {"run --threads 1.5 {typical}", 1, "--threads: '1.5' is not a whole number from 1 to 4096"},
        {"sweep {typical} --vary Vs=1:2:1", 1,
         "--vary Vs=1:2:1: STEPS: '1' is not a whole number from 2 to 2147483647"},
        {"compare {typical} --areas 1:2:010", 1,
         "--areas 1:2:010: STEPS: '010' is not a whole number from 2 to 2147483647"},
        // Empty texts.
        {"compare {typical} --areas ''", 1, "--areas: the value is empty"},
        {n + "10 --samples ''", 1, "--samples: the value is empty"},
        {n + "10 --seed ''", 1, "--seed: the value is empty"},
        {"run {typical} -o ''", 1, "--output: the value is empty"},
        {"run ''", 1, "projects: the value is empty"},
        // An output that would replace an input, or another output.
        {"run {dir}/p.inp -o {dir}/p.inp", 1,
         "-o {dir}/p.inp: the same file as the input {dir}/p.inp; give the output a name of its own"},
        {"compare {typical} {dir}/p.inp -o {dir}/./p.inp", 1,
         "-o {dir}/./p.inp: the same file as the input {dir}/p.inp; give the output a name of its own"},
        {"size {dir}/link.inp --target RE_TN=50 --vary area -o {dir}/p.inp", 1,
         "-o {dir}/p.inp: the same file as the input {dir}/link.inp; give the output a name of its own"},
        {n + "10 --samples {dir}/s.csv -o {dir}/s.csv", 1,
         "--samples {dir}/s.csv: the same file as -o {dir}/s.csv; give each output a name of its own"},
        {"run {typical} -o /dev/full", 1, "cannot write /dev/full: No space left on device"},
        // Stops at the first write that fails, long before the hundred million samples.
        {n + "100000000 --samples /dev/full", 1, "cannot write /dev/full: No space left on device"},
        // Project files that are none, or that the engine would read out of step.
        {"run /dev/zero", 1, "/dev/zero: not a project file (a device, a pipe or the like, not a file)"},
        {"run {dir}/big.inp", 1,
         "{dir}/big.inp: larger than any project file can be (384320 bytes: 600 entries of two lines)"},
        {"run {dir}/cut.inp", 1,
         "{dir}/cut.inp: the file ends after line 400, before the value of 'mean_velocity' and the entries "
         "after it"},
        {"run {dir}/abc.inp", 1, "{dir}/abc.inp: line 339: 'detention_time' takes a number, not 'abc'"},
        {"run {dir}/comma.inp", 1, "{dir}/comma.inp: line 339: 'detention_time' takes a number, not '1,16'"},
        {"run {dir}/nan.inp", 1,
         "{dir}/nan.inp: line 339: 'detention_time' takes a finite number, not 'nan'"},
        {"run {dir}/inf.inp", 1,
         "{dir}/inf.inp: line 339: 'detention_time' takes a finite number, not '-inf'"},
        {"run {dir}/digits.inp", 1,
         "{dir}/digits.inp: line 339: 'detention_time' takes a number, not "
         "'1000000000000000000000000000000000000000...' (401 characters), which is beyond the range of "
         "numbers"},
        {"run {dir}/int.inp", 1,
         "{dir}/int.inp: line 3: 'System Properties Selection Made' takes a whole number from -2147483648 "
         "to 2147483647, not '1.5'"},
        {"run {dir}/name.inp", 1,
         "{dir}/name.inp: line 867: 'TauCompName1' takes a name of one word, not 'Dieldrin oil'"},
        {"run {dir}/long_label.inp", 1,
         "{dir}/long_label.inp: line 338: a label line of more than 79 characters, where 'detention_time' "
         "belongs"},
        // Names, values and files the studies refuse.
        {"sweep {typical} --vary detention_tim=1:2:3", 1,
         "unknown input field 'detention_tim'; nearest: detention_time, detention_time_temp, depth_temp"},
        {"sweep {typical} --vary " + long_name + "=1:2:3", 1, "unknown input field '" + long_name + "'"},
        {"sweep {typical} --vary HMName1=1:2:3", 1, "input field 'HMName1' holds a name, not a number"},
        {"sweep {typical} --vary Vs=1:2", 1, "--vary Vs=1:2: not of the form FIELD=FROM:TO:STEPS"},
        {"sweep {typical} --vary Vs=0:2:3 --log", 1,
         "--vary Vs=0:2:3: --log needs FROM and TO greater than 0"},
        {"sweep {typical} --vary Vs=0.1:x:3", 1, "--vary Vs=0.1:x:3: TO: 'x' is not a number"},
        {"sweep {typical} --vary Vs=1:2:3 --vary Ktn=1:2:3 --vary Kdn=1:2:3", 1,
         "a sweep varies one or two input fields"},
        {"sweep {typical} --vary Vs=1:2:3 --vary Vs=2:3:3", 1, "input field 'Vs' is given more than once"},
        {"sweep missing.inp --vary Vs=1:2:3", 1, "missing.inp: No such file or directory"},
        {"sweep '" VELMAR_SOURCE_DIR "/examples' --vary Vs=1:2:3", 1,
         VELMAR_SOURCE_DIR "/examples: is a folder, not a project file"},
        {"sweep '" VELMAR_SOURCE_DIR "/CMakeLists.txt' --vary Vs=1:2:3", 1,
         VELMAR_SOURCE_DIR
         "/CMakeLists.txt: not a project file (its first line names no project file version)"},
        {dist + "'Vs=normal(0.5,0)'", 1, "distribution 'normal(0.5,0)': sd must be greater than 0"},
        {dist + "'Vs=lognormal(0.5,1)'", 1, "distribution 'lognormal(0.5,1)': gsd must be greater than 1"},
        {dist + "'Vs=lognormal(-1,2)'", 1, "distribution 'lognormal(-1,2)': gm must be greater than 0"},
        {dist + "'Vs=triangular(1,0.5,2)'", 1,
         "distribution 'triangular(1,0.5,2)': the mode must lie between low and high"},
        {dist + "'Vs=uniform(2,1)'", 1, "distribution 'uniform(2,1)': low must be below high"},
        {dist + "'Vs=uniform(1)'", 1, "distribution 'uniform(1)': uniform takes 2 parameters (low,high)"},
        {dist + "'Vs=uniform(a,2)'", 1, "distribution 'uniform(a,2)': 'a' is not a number"},
        {dist + "'Vs=gamma(1,2)'", 1,
         "unknown distribution 'gamma'; known: uniform, triangular, normal, lognormal"},
        {dist + "'Vs=uniform'", 1,
         "distribution 'uniform' is not of the form KIND(parameters), e.g. lognormal(0.05,2)"},
        {dist + "'depth=uniform(1,2)' --dist 'area=uniform(1,2)' --dist 'volume=uniform(1,2)'", 1,
         "volume, area and depth cannot all be varied: any two of them fix the third"},
        {"size {typical} --target RE_TSS=150 --vary Vs", 1,
         "RE_TSS does not reach 150 for Vs from 0.005 to 50; the closest is 100, at Vs = 21.084825171429113"},
        {"size {typical} --target RE_TX=80 --vary Vs", 1,
         "unknown result 'RE_TX'; nearest: RE_TN, RE_TP, RE_TSS"},
        {"size {typical} --target RE_TSS --vary Vs", 1, "--target 'RE_TSS' is not of the form RESULT=VALUE"},
        {"size {typical} --target RE_TSS=80 --vary Vs --range 5:1", 1, "--range 5:1: A must be below B"},
        {"size {typical} --target RE_TSS=80 --vary TCBinConc", 1,
         "TCBinConc is 0 in {typical}: give the range to search with --range A:B"},
        {"compare --k TX=3 {typical}", 1,
         "--k TX=3: 'TX' has no P-k-C* constants; NAME is one of TCB, BOD, TN, TP"},
        {"compare --tanks TSS=3 {typical}", 1,
         "--tanks TSS=3: 'TSS' has no P-k-C* constants; NAME is one of TCB, BOD, TN, TP"},
        {"compare --k BOD=0 {typical}", 1, "--k BOD=0: the value must be greater than 0 (m/yr)"},
        {"compare --cstar TN=-1 {typical}", 1, "--cstar TN=-1: the value must be 0 or more"},
        {"compare --theta BOD=x {typical}", 1, "--theta BOD=x: 'x' is not a number"},
        {"compare --target BOD {typical}", 1, "--target BOD: not of the form NAME=VALUE"},
        {"compare --k BOD=3 --k BOD=4 {typical}", 1, "--k BOD is given more than once"},
        {"compare missing.inp", 1, "missing.inp: No such file or directory"},
        // Whole-number fields take whole values; fields with a physical sign are not below 0.
        {"sweep {typical} --vary model_n=0.3:0.9:3", 1,
         "--vary model_n=0.3:0.9:3: model_n takes whole numbers only, from -2147483648 to 2147483647"},
        {"sweep {typical} --vary model_n=0:4294967296:2", 1,
         "--vary model_n=0:4294967296:2: model_n takes whole numbers only, from -2147483648 to 2147483647"},
        {"sweep {typical} --vary model_n=0:1:3", 1,
         "--vary model_n=0:1:3: model_n takes whole numbers only: STEPS - 1 must divide TO - FROM"},
        {"sweep {typical} --vary model_n=1:2:2 --log", 1,
         "--vary model_n=1:2:2: model_n takes whole numbers only: --log would space them geometrically"},
        {"sweep {typical} --vary depth=-1:1:3", 1, "--vary depth=-1:1:3: depth cannot be below 0"},
        {"sweep {typical} --vary Vs=1:2:3 --vary Kds[1]=-2:2:3", 1,
         "--vary Kds[1]=-2:2:3: Kds[1] cannot be below 0"},
        {dist + "'model_n=uniform(0,1)'", 1,
         "distribution 'uniform(0,1)' for model_n: model_n takes whole numbers only, and distributions give "
         "fractions"},
        {dist + "'Kdn=uniform(-1e308,1e308)'", 1,
         "distribution 'uniform(-1e308,1e308)' for Kdn: Kdn cannot be below 0"},
        {dist + "'Vs=triangular(-1,0,1)'", 1, "distribution 'triangular(-1,0,1)' for Vs: Vs cannot be below 0"},
        {"size {typical} --target RE_TN=80 --vary model_n", 1,
         "model_n takes whole numbers only: a search over it has no crossing to narrow down; sweep it "
         "instead"},
        {"size {typical} --target RE_TN=80 --vary area --range -1:1e6", 1,
         "--range -1:1e6: area cannot be below 0"},
        // The grid's geometric steps once overflowed to an infinite area, answered as reaching 100.0006 %.
        {"size '" + Example("conventional.inp") + "' --target RE_TN=80 --vary area --range 1e-320:1e6", 1,
         "RE_TN does not reach 80 for area from 1e-320 to 1e+06; the closest is 48.144502997134346, at area = "
         "1e+06"},
    };
    for (const BadInput& c : kCases) {
        TempDir dir;
        FillFolder(dir);
        const auto fill = [&](const std::string& text) {
            return Replaced(Replaced(text, "{dir}", dir.path().string()), "{typical}",
                            Example("typical.inp"));
        };
        const std::string output = c.arguments.find(" -o ") == std::string::npos ? " -o {dir}/old.csv" : "";
        const auto before = FolderContents(dir.path());
        const auto outcome = RunStudy(fill(c.arguments + output));
        const std::string shown = c.arguments.substr(0, 100);
        EXPECT_EQ(outcome.status, c.status) << shown;
        EXPECT_EQ(outcome.err, c.status == 2 ? c.message : "velmar-study: " + fill(c.message) + "\n")
            << shown;
        EXPECT_EQ(outcome.out, "") << shown;
        EXPECT_EQ(FolderContents(dir.path()), before) << shown;
    }
}

// A study's output replaces an earlier file of its name only when it is whole: a disk that
// fills stops the study and keeps the earlier file; Ctrl-C writes out what was done, which
// replaces it, as the user asked for the output and the note says what it holds.
TEST(OutputFile, ReplacesAnEarlierFileOnlyWithAWholeOutput) {
    const struct {
        const char* what;
        std::size_t free_bytes;  // how much the disk takes before it is full
        bool interrupted;
        int status;
        const char* begins;  // what the output file begins with afterwards
    } kCases[] = {
        {"a full disk", 100, false, 1, kEarlierOutput},
        {"Ctrl-C before any point ran", std::size_t(-1), true, 130, "Vs,TSS_removal_rate,"},
        {"a complete sweep", std::size_t(-1), false, 0, "Vs,TSS_removal_rate,"},
    };
    for (const auto& c : kCases) {
        TempDir dir;
        const std::string output = dir.File("out.csv");
        WriteText(output, kEarlierOutput);
        int status = 0;
        {
            testing::FullDisk disk(c.free_bytes);
            study::SetInterrupted(c.interrupted);
            status =
                study::RunCommandLine({"sweep", Example("typical.inp"), "--vary", "Vs=1:2:3", "-o", output});
            study::SetInterrupted(false);
        }
        EXPECT_EQ(status, c.status) << c.what;
        EXPECT_EQ(ReadText(output).rfind(c.begins, 0), 0u) << c.what;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << c.what;
    }
}

}  // namespace
}  // namespace velmar
