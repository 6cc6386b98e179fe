// Where a study's table goes: standard output, or the file -o names. The file is created
// only when the first thing is written, so a study refused for bad input leaves nothing.
#pragma once

#include <fstream>
#include <ostream>
#include <string>

namespace velmar::study {

class OutputTarget {
public:
    explicit OutputTarget(std::string path) : path_(std::move(path)) {}

    std::ostream& Open();
    // Flushes; a write that failed on the way is reported as a StudyError.
    void Close();

private:
    std::string path_;
    std::ofstream file_;
    bool open_ = false;
};

}  // namespace velmar::study
