// The front end's Open on any file, then Save and Open again: the second record holds
// what the first one's file kept, and saving it again writes the same file.
#include <cstdint>

#include "project/project_file.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmar;
    using namespace velmar::fuzz;
    const std::string opened = ScratchFile("opened.inp");
    const std::string saved = ScratchFile("saved.inp");
    const std::string again = ScratchFile("again.inp");
    WriteBytes(opened, data, size);

    ProjectRecord r = ProgramStartRecord();
    Require(ReadProjectFile(opened, r) == 0, "cannot open", opened);
    Require(WriteProjectFile(saved, r) == 0, "cannot save", saved);
    ProjectRecord back = ProgramStartRecord();
    Require(ReadProjectFile(saved, back) == 0, "cannot open", saved);
    RequireFileKept(r, back);

    Require(WriteProjectFile(again, back) == 0, "cannot save", again);
    Require(ReadBytes(again) == ReadBytes(saved), "a saved project saves differently");
    return 0;
}
