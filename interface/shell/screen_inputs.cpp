#include "interface/shell/screen_inputs.h"

#include <algorithm>
#include <set>
#include <string>

#include "interface/screens/framework/registry.h"
#include "project/file_entries.h"

namespace velmar {
namespace {

// The file entry of a real field of the record, by where it lies.
const FileEntry* EntryAt(const ProjectRecord& r, const double& field) {
    const auto offset = static_cast<std::size_t>(reinterpret_cast<const char*>(&field) -
                                                 reinterpret_cast<const char*>(&r));
    for (const FileEntry& e : kFileEntries) {
        if (e.kind == FieldKind::Real && e.offset == offset) return &e;
    }
    return nullptr;
}

std::string RecordName(const char* label) {
    std::string name = label;
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
}

}  // namespace

std::vector<StudyInput> ScreenInputs() {
    static const ProjectRecord record{};
    std::vector<StudyInput> inputs;
    std::set<std::string> seen;
    for (const DataScreen* screen : AllScreens()) {
        for (const Row& row : screen->rows) {
            if (row.kind != RowKind::Number || !row.real_value) continue;
            const int slots = row.PerSlot() ? kSlotCount : 1;
            for (int slot = 0; slot < slots; ++slot) {
                const FileEntry* entry = EntryAt(record, row.real_value.In(record, slot));
                if (!entry || !seen.insert(entry->label).second) continue;
                std::string label = row.label;
                if (slots > 1) label = "Contaminant " + std::to_string(slot + 1) + ": " + label;
                inputs.push_back({label, RecordName(entry->label)});
            }
        }
    }
    return inputs;
}

}  // namespace velmar
