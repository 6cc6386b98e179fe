// Any record a program could hold, saved and opened again. The input's bytes fill the
// record, repeated as often as needed; every value of every field is fair, except that a
// name must end within its twelve characters, as everything that sets one ensures.
#include <cstdint>
#include <cstring>

#include "project/project_file.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmar;
    using namespace velmar::fuzz;
    if (size == 0) return 0;
    ProjectRecord r;
    auto* bytes = reinterpret_cast<std::uint8_t*>(&r);
    for (std::size_t i = 0; i < sizeof r; ++i) bytes[i] = data[i % size];
    for (const FileEntry& e : kFileEntries) {
        if (e.kind == FieldKind::Name) NameAt(r, e)[kNameSize - 1] = '\0';
    }

    const std::string path = ScratchFile("record.inp");
    Require(WriteProjectFile(path, r) == 0, "cannot save", path);
    ProjectRecord back = ProgramStartRecord();
    Require(ReadProjectFile(path, back) == 0, "cannot open", path);
    RequireFileKept(r, back);
    return 0;
}
