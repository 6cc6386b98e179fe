// Where a study's table goes: standard output, or the file -o names. The file is written
// beside the one it replaces and put in its place when closed, so that an earlier file of
// that name is kept whole until the study's output is complete, and is kept as it was when
// the study fails. It is created only when the first thing is written, so a study refused
// for bad input leaves nothing. A write that fails stops the study at once with a StudyError
// that gives the system's reason.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace velmar::study {

class OutputTarget {
public:
    explicit OutputTarget(std::string path);
    ~OutputTarget();
    OutputTarget(const OutputTarget&) = delete;
    OutputTarget& operator=(const OutputTarget&) = delete;

    std::ostream& Open();
    // Flushes, and puts the file in place of any earlier one.
    void Close();

private:
    class FileBuffer;
    std::string path_;
    std::unique_ptr<FileBuffer> buffer_;
    std::unique_ptr<std::ostream> file_;
};

// An output file under the option that names it ("-o", "--samples").
using NamedFile = std::pair<std::string, std::string>;

// Refuses, with a StudyError, an output that is one of the input files or another output:
// the same file however it is spelt (through a link, a relative path or a hard link), or
// the same name once made absolute when it does not exist yet. Standard output ("-" or
// empty) and devices such as /dev/null are no one's input.
void CheckOutputsApart(const std::vector<std::string>& inputs, const std::vector<NamedFile>& outputs);

}  // namespace velmar::study
