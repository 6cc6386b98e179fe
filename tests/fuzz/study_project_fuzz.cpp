// The studies' reading of a project file on any bytes: the engine's reading, then the check
// that the file holds every entry of its version, each value of its kind. Any file is either
// read or refused with a message naming it.
#include <cstdint>
#include <string>

#include "study/project_input.h"
#include "study/study_error.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmar;
    const std::string path = fuzz::ScratchFile("study.inp");
    fuzz::WriteBytes(path, data, size);
    ModelState s;
    try {
        study::ReadStudyProject(path, s);
    } catch (const study::StudyError& e) {
        fuzz::Require(std::string(e.what()).rfind(path + ": ", 0) == 0,
                      "a refusal that does not name the file", e.what());
    }
    return 0;
}
