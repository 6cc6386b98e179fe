#include "study/project_input.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "model/input.h"
#include "project/file_names.h"
#include "project/project_file.h"
#include "study/study_error.h"

namespace velmar::study {

void ReadStudyProject(const std::string& path, ModelState& s) {
    std::error_code ec;
    if (std::filesystem::is_directory(PathFromText(path), ec))
        throw StudyError(path + ": is a folder, not a project file", StudyErrorKind::File);
    std::FILE* file = OpenFile(path, "r");
    if (file == nullptr) throw StudyError(path + ": " + std::strerror(errno), StudyErrorKind::File);
    SetEngineStartValues(s);
    const ProjectFileHeader header = ReadProjectEntries(file, s);
    std::fclose(file);
    if (header.layout == kLayoutUnknown) {
        throw StudyError(path + ": not a project file (its first line names no project file version)",
                         StudyErrorKind::File);
    }
}

}  // namespace velmar::study
