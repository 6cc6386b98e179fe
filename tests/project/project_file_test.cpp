#include "project/project_file.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <csignal>
#include <cstring>
#include <sstream>
#include <vector>

#include "project/file_entries.h"
#include "tests/support/default_project.h"
#include "tests/support/temp_dir.h"

namespace velmar {
namespace {

using testing::DefaultProject;

using testing::ReadText;
using testing::TempDir;
using testing::WriteText;

// A record in which every field differs from its default: ints 7, reals 7.5, names "Marker".
ProjectRecord MarkedProject() {
    ProjectRecord r = DefaultProject();
    for (const FileEntry& e : kFileEntries) {
        switch (e.kind) {
            case FieldKind::Int: IntAt(r, e) = 7; break;
            case FieldKind::Real: RealAt(r, e) = 7.5; break;
            case FieldKind::Name: SetName(NameAt(r, e), "Marker"); break;
        }
    }
    return r;
}

bool HoldsMark(const ProjectRecord& r, const FileEntry& e) {
    switch (e.kind) {
        case FieldKind::Int: return IntAt(r, e) == 7;
        case FieldKind::Real: return RealAt(r, e) == 7.5;
        case FieldKind::Name: return std::strcmp(NameAt(r, e), "Marker") == 0;
    }
    return false;
}

std::size_t FieldSize(const FileEntry& e) {
    return e.kind == FieldKind::Int ? 4 : e.kind == FieldKind::Real ? 8 : kNameSize;
}

bool SameField(const ProjectRecord& a, const ProjectRecord& b, const FileEntry& e) {
    return std::memcmp(reinterpret_cast<const char*>(&a) + e.offset,
                       reinterpret_cast<const char*>(&b) + e.offset, FieldSize(e)) == 0;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The file text of a layout: the given header, then the listed entries (1-based) of a
// file written from the record.
std::string LayoutText(const ProjectRecord& r, const std::string& header,
                       std::vector<std::pair<int, int>> runs) {
    TempDir dir;
    EXPECT_EQ(WriteProjectFile(dir.File("full.inp"), r), 0);
    const std::vector<std::string> lines = Lines(ReadText(dir.File("full.inp")));
    std::string text = header + "\n";
    for (auto [first, last] : runs) {
        for (int n = first; n <= last; ++n) text += lines[2 * n - 1] + "\n" + lines[2 * n] + "\n";
    }
    return text;
}

TEST(ProjectFileWriter, WritesHeaderAndSixHundredLabelledEntries) {
    TempDir dir;
    ASSERT_EQ(WriteProjectFile(dir.File("w.inp"), DefaultProject()), 0);
    const std::vector<std::string> lines = Lines(ReadText(dir.File("w.inp")));
    ASSERT_EQ(lines.size(), 1201u);
    EXPECT_EQ(lines[0], "Velmar v2.2 release 1 data file.");
    EXPECT_EQ(lines[1], "System Properties Selection Made: ");
    EXPECT_EQ(lines[2], "0");
    EXPECT_EQ(lines[2 * 444 - 1], std::string(kFileEntries[443].label) + ": ");
    EXPECT_EQ(lines[2 * 445 - 1], std::string(kFileEntries[444].label) + " ");
    EXPECT_EQ(lines[2 * 169 - 1], "detention_time: ");
    EXPECT_EQ(lines[2 * 181], " 1.000e+00");  // depth
    EXPECT_EQ(lines[2 * 600 - 1], "checked_fdw ");
    const std::string text = ReadText(dir.File("w.inp"));
    EXPECT_NE(text.find("\n 8.200e-03\n"), std::string::npos);
    EXPECT_NE(text.find("\n 3.809e+02\n"), std::string::npos);
    EXPECT_NE(text.find("\nDieldrin\n"), std::string::npos);
    EXPECT_EQ(text.back(), '\n');
}

TEST(ProjectFile, RoundTripKeepsFourSignificantDigits) {
    TempDir dir;
    ProjectRecord saved = DefaultProject();
    saved.depth = 1.23456;
    saved.Kow[2] = 123456789;
    saved.model_tss = 1;
    SetName(saved.HMName2, "Cadmium");
    ASSERT_EQ(WriteProjectFile(dir.File("p.inp"), saved), 0);

    ProjectRecord opened = DefaultProject();
    ASSERT_EQ(ReadProjectFile(dir.File("p.inp"), opened), 0);
    EXPECT_EQ(opened.depth, 1.235);
    EXPECT_EQ(opened.Kow[2], 1.235e8);
    EXPECT_EQ(opened.model_tss, 1);
    EXPECT_STREQ(opened.HMName2, "Cadmium");
    EXPECT_EQ(opened.PhosRemSpec, 1);  // a current file is not upgraded
}

TEST(ProjectFile, EveryFieldSurvivesARoundTrip) {
    TempDir dir;
    ASSERT_EQ(WriteProjectFile(dir.File("m.inp"), MarkedProject()), 0);
    ProjectRecord opened = DefaultProject();
    ASSERT_EQ(ReadProjectFile(dir.File("m.inp"), opened), 0);
    for (const FileEntry& e : kFileEntries) EXPECT_TRUE(HoldsMark(opened, e)) << e.label;
}

struct Layout {
    const char* token;
    std::vector<std::pair<int, int>> runs;
};

TEST(ProjectFileReader, EachLayoutReadsExactlyItsEntries) {
    const Layout layouts[] = {{"v2.2", {{1, 600}}},
                              {"v2.1", {{1, 546}, {591, 600}}},
                              {"v2.0", {{1, 541}, {591, 600}}},
                              {"v1.0", {{1, 528}, {592, 600}}}};
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.token);
        TempDir dir;
        ProjectRecord marked = MarkedProject();
        marked.model_p = marked.model_n = marked.checked_Ktn = 1;  // let a v1.0 upgrade act
        WriteText(dir.File("l.inp"),
                  LayoutText(marked, std::string("Velmar ") + layout.token + " release 1", layout.runs));

        // Expected: the defaults, overwritten by every entry of the layout.
        ProjectRecord expected = DefaultProject();
        for (auto [first, last] : layout.runs) {
            for (int n = first; n <= last; ++n) {
                const FileEntry& e = kFileEntries[n - 1];
                std::memcpy(reinterpret_cast<char*>(&expected) + e.offset,
                            reinterpret_cast<const char*>(&marked) + e.offset, FieldSize(e));
            }
        }
        if (std::string(layout.token) == "v1.0") UpgradeV1Project(expected);

        ProjectRecord opened = DefaultProject();
        ASSERT_EQ(ReadProjectFile(dir.File("l.inp"), opened), 0);
        for (const FileEntry& e : kFileEntries) EXPECT_TRUE(SameField(opened, expected, e)) << e.label;
    }
}

TEST(ProjectFileReader, LaterOfTwoDuplicatedEntriesWins) {
    TempDir dir;
    const ProjectRecord r = DefaultProject();
    std::vector<std::string> lines = Lines(LayoutText(r, "Velmar v2.2 release 1 data file.", {{1, 600}}));
    lines[2 * 195] = "1.000e+00";  // Ktn_temp, first time
    lines[2 * 205] = "2.000e+00";  // Ktn_temp, again
    lines[2 * 307] = "3.000e-01";  // f_o
    lines[2 * 598] = "4.000e-01";  // f_o, again
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    WriteText(dir.File("d.inp"), text);
    ProjectRecord opened = DefaultProject();
    ASSERT_EQ(ReadProjectFile(dir.File("d.inp"), opened), 0);
    EXPECT_EQ(opened.Ktn_temp, 2.0);
    EXPECT_EQ(opened.f_o, 0.4);
}

TEST(ProjectFileReader, UnrecognisedTokenReadsAsV10AndUpgrades) {
    for (const char* token : {"V2.2", "v2.3", "v2.2x", "v1.0"}) {
        SCOPED_TRACE(token);
        TempDir dir;
        ProjectRecord saved = DefaultProject();
        saved.model_p = 1;
        saved.checked_fdw = 1;  // entry 600, the last of every layout
        WriteText(dir.File("u.inp"),
                  LayoutText(saved, std::string("Velmar ") + token, {{1, 528}, {592, 600}}));
        ProjectRecord opened = DefaultProject();
        ASSERT_EQ(ReadProjectFile(dir.File("u.inp"), opened), 0);
        EXPECT_EQ(opened.PhosremCalc, 1);
        EXPECT_EQ(opened.PhosRemSpec, 0);
        EXPECT_EQ(opened.checked_fdw, 1);
    }
}

TEST(ProjectFileReader, V20FileIsNotUpgraded) {
    TempDir dir;
    ProjectRecord saved = DefaultProject();
    saved.model_p = 1;
    WriteText(dir.File("v20.inp"), LayoutText(saved, "Velmar v2.0 release 1", {{1, 541}, {591, 600}}));
    ProjectRecord opened = DefaultProject();
    ASSERT_EQ(ReadProjectFile(dir.File("v20.inp"), opened), 0);
    EXPECT_EQ(opened.PhosRemSpec, 1);
    EXPECT_EQ(opened.PhosremCalc, 0);
}

TEST(ProjectFileReader, ShortFileLeavesTheRestAtDefaults) {
    TempDir dir;
    WriteText(dir.File("s.inp"), LayoutText(MarkedProject(), "Velmar v2.2 release 1 data file.", {{1, 528}}));
    ProjectRecord opened = DefaultProject();
    ASSERT_EQ(ReadProjectFile(dir.File("s.inp"), opened), 0);
    EXPECT_EQ(opened.NothingToDoInDPC, 7);       // entry 528
    EXPECT_EQ(opened.PhosRemSpec, 1);            // entry 529, default
    EXPECT_EQ(opened.checked_TSSGenOutConc, 0);  // entry 547, default
    EXPECT_EQ(opened.checked_fdw, 0);            // entry 600, default
}

TEST(ProjectFileReader, LongNameIsCutAndTheFileStaysInStep) {
    TempDir dir;
    std::string text = LayoutText(DefaultProject(), "Velmar v2.2 release 1 data file.", {{1, 600}});
    const std::string marker = "\nDieldrin\n";
    text.replace(text.find(marker), marker.size(), "\nABCDEFGHIJKLMNOPQRST\n");  // TauCompName1
    WriteText(dir.File("n.inp"), text);
    ProjectRecord opened = DefaultProject();
    ASSERT_EQ(ReadProjectFile(dir.File("n.inp"), opened), 0);
    EXPECT_STREQ(opened.TauCompName1, "ABCDEFGHIJK");
    EXPECT_STREQ(opened.TauCompName1_temp, "Dieldrin");
    EXPECT_EQ(opened.f_oc, 0.02);  // later entries still in place
}

TEST(ProjectFile, NamesAreSavedAsOneWordSoTheFileStaysInStep) {
    TempDir dir;
    ProjectRecord saved = DefaultProject();
    SetName(saved.TauCompName1, "Lindane 2");
    saved.HMName3[0] = '\0';
    saved.checked_fdw = 1;
    ASSERT_EQ(WriteProjectFile(dir.File("w.inp"), saved), 0);
    ProjectRecord opened = DefaultProject();
    ASSERT_EQ(ReadProjectFile(dir.File("w.inp"), opened), 0);
    EXPECT_STREQ(opened.TauCompName1, "Lindane_2");
    EXPECT_STREQ(opened.HMName3, "-");
    EXPECT_EQ(opened.checked_fdw, 1);
}

TEST(ProjectFileReader, LongHeaderWordsAreCutWithoutLosingTheLayout) {
    TempDir dir;
    ProjectRecord saved = DefaultProject();
    saved.checked_TPGenOutConc = 1;  // a v2.2-only entry
    const std::string long_word(100, 'W');
    WriteText(dir.File("h.inp"), LayoutText(saved, long_word + " v2.2 release 1", {{1, 600}}));
    std::FILE* file = std::fopen(dir.File("h.inp").c_str(), "r");
    ProjectRecord opened = DefaultProject();
    const ProjectFileHeader header = ReadProjectEntries(file, opened);
    std::fclose(file);
    EXPECT_EQ(std::string(header.product), std::string(19, 'W'));
    EXPECT_EQ(header.layout, kLayoutV22);
    EXPECT_EQ(opened.checked_TPGenOutConc, 1);

    WriteText(dir.File("h2.inp"), "Velmar " + long_word + "\n");
    file = std::fopen(dir.File("h2.inp").c_str(), "r");
    const ProjectFileHeader cut = ReadProjectEntries(file, opened);
    std::fclose(file);
    EXPECT_EQ(std::string(cut.version), std::string(19, 'W'));
    EXPECT_EQ(cut.layout, kLayoutUnknown);
}

TEST(ProjectFileReader, BlankLinesDoNotDisturbTheReading) {
    TempDir dir;
    ProjectRecord saved = DefaultProject();
    saved.depth = 2.5;
    saved.checked_fdw = 1;
    std::string text = LayoutText(saved, "Velmar v2.2 release 1 data file.", {{1, 600}});
    const std::string depth_entry = "depth: \n 2.500e+00\n";
    text.replace(text.find(depth_entry), depth_entry.size(), "depth: \n\n\n 2.500e+00\n\n\n");
    WriteText(dir.File("b.inp"), text);
    ProjectRecord opened = DefaultProject();
    ASSERT_EQ(ReadProjectFile(dir.File("b.inp"), opened), 0);
    EXPECT_EQ(opened.depth, 2.5);
    EXPECT_EQ(opened.checked_fdw, 1);
}

TEST(ProjectFileReader, OverlongLabelLinePutsTheFileOutOfStep) {
    TempDir dir;
    ProjectRecord saved = DefaultProject();
    saved.model_tss = 1;       // entry 3
    saved.model_tss_temp = 5;  // entry 4
    std::string text = LayoutText(saved, "Velmar v2.2 release 1 data file.", {{1, 600}});
    text.replace(text.find("model_tss: "), 11, std::string(85, 'L') + ": ");
    WriteText(dir.File("o.inp"), text);
    ProjectRecord opened = DefaultProject();
    ASSERT_EQ(ReadProjectFile(dir.File("o.inp"), opened), 0);
    // The rest of the long label is taken for model_tss's value and does not convert;
    // from there on every value lands one entry late.
    EXPECT_EQ(opened.model_tss, 0);
    EXPECT_EQ(opened.model_tss_temp, 1);
    EXPECT_EQ(opened.model_tcb, 5);
}

TEST(ProjectFileReader, ValueThatDoesNotConvertLeavesItsField) {
    TempDir dir;
    std::string text = LayoutText(DefaultProject(), "Velmar v2.2 release 1 data file.", {{1, 600}});
    const std::string entry = "temperature: \n 2.000e+01\n";
    text.replace(text.find(entry), entry.size(), "temperature: \nwarm\n");
    WriteText(dir.File("v.inp"), text);
    ProjectRecord opened = DefaultProject();
    opened.temperature = 12;
    ASSERT_EQ(ReadProjectFile(dir.File("v.inp"), opened), 0);
    EXPECT_EQ(opened.temperature, 12);
}

TEST(ProjectFileReader, MissingFileReadsNothing) {
    TempDir dir;
    ProjectRecord opened = DefaultProject();
    opened.depth = 3;
    EXPECT_EQ(ReadProjectFile(dir.File("absent.inp"), opened), -1);
    EXPECT_EQ(opened.depth, 3);
}

TEST(ProjectFileWriter, UnwritableTargetFails) {
    TempDir dir;
    EXPECT_EQ(WriteProjectFile(dir.File("no/such/folder/p.inp"), DefaultProject()), -1);
}

// A file-size limit is a POSIX resource limit.
#ifndef _WIN32
// Writes past a small file-size limit fail as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

TEST(ProjectFileWriter, FailedWriteReportsFailureAndKeepsThePreviousProject) {
    TempDir dir;
    const std::string path = dir.File("keep.inp");
    ProjectRecord first = DefaultProject();
    first.depth = 2;
    ASSERT_EQ(WriteProjectFile(path, first), 0);
    const std::string before = ReadText(path);

    ProjectRecord second = DefaultProject();
    second.depth = 3;
    {
        FileSizeLimit limit(4096);
        EXPECT_EQ(WriteProjectFile(path, second), -1);
    }
    EXPECT_EQ(ReadText(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}),
              1);  // nothing left beside it
}
#endif

}  // namespace
}  // namespace velmar
