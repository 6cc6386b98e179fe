#include "model/input.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "model/driver.h"
#include "project/project_file.h"
#include "tests/model/model_fixture.h"
#include "tests/support/temp_dir.h"

namespace velmar {
namespace {

using testing::DefaultModel;
using testing::ReadText;
using testing::TempDir;
using testing::WriteText;

// A project saved in full, then cut down to an older layout's entries under its header.
std::string OlderLayout(const ProjectRecord& r, const char* token, int shared_end, int tail_from) {
    TempDir dir;
    EXPECT_EQ(WriteProjectFile(dir.File("p.inp"), r), 0);
    std::istringstream in(ReadText(dir.File("p.inp")));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    std::string text = std::string("Velmar ") + token + " release 1 data file.\n";
    for (int n = 1; n <= 600; ++n) {
        if (n > shared_end && n < tail_from) continue;
        text += lines[2 * n - 1] + "\n" + lines[2 * n] + "\n";
    }
    return text;
}

ModelState ReadAsEngine(const std::string& text) {
    TempDir dir;
    WriteText(dir.File("p.inp"), text);
    ModelState s;
    SetEngineStartValues(s);
    std::FILE* file = std::fopen(dir.File("p.inp").c_str(), "r");
    ReadModelInput(file, s);
    std::fclose(file);
    return s;
}

TEST(EngineInput, EmptyFileLeavesTheEngineStartValues) {
    const ModelState s = ReadAsEngine("");
    EXPECT_EQ(s.PhosRemSpec, 1);
    EXPECT_EQ(s.check_Vtp, 1);
    EXPECT_EQ(s.checked_contam_tau, 1);
    EXPECT_EQ(s.checked_HMKdwInput, 1);
    EXPECT_EQ(s.big_depth_temp, 1.0);
    EXPECT_EQ(s.mean_vel_check, 5e-06);
    EXPECT_EQ(s.depth, 0);
    EXPECT_EQ(s.longitudinal_calc_re, 0);  // an empty file computes fully mixed
    EXPECT_STREQ(s.TauCompName1, "");
}

TEST(EngineInput, V10FileLeavesPhosphorusSpecifiedAndNoOutflowRequests) {
    ModelState saved = DefaultModel();
    saved.model_p = 1;
    saved.PhosRemSpec = 0;
    saved.checked_TSSGenOutConc = 1;
    saved.TSSinConc = 50;
    saved.checked_fdw = 1;
    const ModelState s = ReadAsEngine(OlderLayout(saved, "v1.0", 528, 592));
    EXPECT_EQ(s.model_p, 1);
    EXPECT_EQ(s.PhosRemSpec, 1);  // the engine does not upgrade old files
    EXPECT_EQ(s.check_Vtp, 1);
    EXPECT_EQ(s.PhosRemRateAB, 0);
    EXPECT_EQ(s.checked_TSSGenOutConc, 0);
    EXPECT_EQ(s.TSSinConc, 0);
    EXPECT_EQ(s.checked_fdw, 1);
}

TEST(EngineInput, V21FileReadsTheNitrogenBasisButNoOutflows) {
    ModelState saved = DefaultModel();
    saved.checked_KtnAreal = 1;
    saved.checked_KtnVolumetric = 0;
    saved.checked_TNGenOutConc = 1;
    const ModelState v21 = ReadAsEngine(OlderLayout(saved, "v2.1", 546, 591));
    EXPECT_EQ(v21.checked_KtnAreal, 1);
    EXPECT_EQ(v21.checked_KtnVolumetric, 0);
    EXPECT_EQ(v21.checked_TNGenOutConc, 0);

    const ModelState v20 = ReadAsEngine(OlderLayout(saved, "v2.0", 541, 591));
    EXPECT_EQ(v20.checked_KtnAreal, 0);
    EXPECT_EQ(v20.checked_KtnVolumetric, 1);
}

TEST(EngineInput, MatrixFlagInTheFileSuppressesTheEstablishedWetlandResult) {
    ModelState s = ReadAsEngine(ReadText(VELMAR_SOURCE_DIR "/examples/typical.inp"));
    s.matrix_flag = 1;
    s.KtpH = 0.25;
    ComputeModel(s);
    EXPECT_EQ(s.RE_TP, 0);
    EXPECT_EQ(s.KtpH, 0.25);
    EXPECT_EQ(s.TPoutConc, 0.19);  // outflow from an efficiency of 0
}

}  // namespace
}  // namespace velmar
