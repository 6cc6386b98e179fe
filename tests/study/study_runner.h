// Running velmar-study and velmar as a user would, and reading what they write.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "project/project_file.h"
#include "tests/support/results_values.h"
#include "tests/support/temp_dir.h"

namespace velmar::testing {

inline std::string Example(const std::string& name) {
    return VELMAR_SOURCE_DIR "/examples/" + name;
}

struct Outcome {
    int status;
    std::string out, err;
};

// Runs velmar-study with the arguments (each quoted by the caller where needed).
inline Outcome RunStudy(const std::string& arguments) {
    TempDir dir;
    const std::string command =
        "'" VELMAR_STUDY "' " + arguments + " > '" + dir.File("out") + "' 2> '" + dir.File("err") + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(dir.File("out")),
            ReadText(dir.File("err"))};
}

// The 95 values of Results.txt after a plain engine run on the project.
inline std::vector<double> RunEngine(const std::string& project) {
    TempDir dir;
    const std::string command = "cd '" + dir.path().string() + "' && '" VELMAR_ENGINE "' '" + project + "'";
    if (std::system(command.c_str()) != 0) return {};
    return ResultsValues(ReadText(dir.File("Results.txt")));
}

// CSV without quoted fields, as the studies write for these projects: rows of cells.
inline std::vector<std::vector<std::string>> ReadCsv(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        std::vector<std::string> row;
        std::istringstream cells(line);
        std::string cell;
        while (std::getline(cells, cell, ',')) row.push_back(cell);
        rows.push_back(row);
    }
    return rows;
}

// A project read as the front end reads it, changed, and saved as the front end saves it.
template <typename Change>
std::string SavedWith(const TempDir& dir, const std::string& example, const std::string& name,
                      Change change) {
    ProjectRecord r{};
    ReadProjectFile(Example(example), r);
    change(r);
    const std::string path = dir.File(name);
    WriteProjectFile(path, r);
    return path;
}

}  // namespace velmar::testing
