#include "project/record.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

#include "project/system_formulas.h"

namespace velmar {
namespace {

// When a field receives the value its entry in the field list gives (see record_fields.h).
enum class DefaultGroup { Reset, System, TP, Contaminant, Start, Entry };

void AssignValue(std::int32_t& field, std::int32_t value) {
    field = value;
}
void AssignValue(double& field, double value) {
    field = value;
}
void AssignValue(NameText& field, const char* value) {
    SetName(field, value);
}
template <std::size_t N>
void AssignValue(double (&field)[N], double value) {
    for (double& slot : field) slot = value;
}

// Gives every field of the named groups the value of its entry.
void AssignValues(ProjectRecord& r, std::initializer_list<DefaultGroup> groups) {
    const auto chosen = [groups](DefaultGroup group) {
        return std::find(groups.begin(), groups.end(), group) != groups.end();
    };
#define VELMAR_ASSIGN_FIELD(kind, id, label, value, group) \
    if (chosen(DefaultGroup::group)) AssignValue(r.id, value);
#define VELMAR_ASSIGN_ARRAY(kind, id, value, group) VELMAR_ASSIGN_FIELD(kind, id, #id, value, group)
#define VELMAR_ASSIGN_NOTHING(kind, id, label)
    VELMAR_PROJECT_ENTRIES(VELMAR_ASSIGN_FIELD, VELMAR_ASSIGN_ARRAY, VELMAR_ASSIGN_ARRAY,
                           VELMAR_ASSIGN_NOTHING)
#undef VELMAR_ASSIGN_FIELD
#undef VELMAR_ASSIGN_ARRAY
#undef VELMAR_ASSIGN_NOTHING
}

}  // namespace

void SetName(NameText& name, const char* text) {
    std::strncpy(name, text, kNameSize - 1);
    name[kNameSize - 1] = '\0';
}

ProjectRecord ProgramStartRecord() {
    ProjectRecord r{};
    AssignValues(r, {DefaultGroup::Start});
    return r;
}

void ResetToDefaults(ProjectRecord& r) {
    AssignValues(r, {DefaultGroup::Reset, DefaultGroup::System, DefaultGroup::TP, DefaultGroup::Contaminant});
}

const ProjectRecord& DefaultRecord() {
    static const ProjectRecord defaults = [] {
        ProjectRecord r = ProgramStartRecord();
        ResetToDefaults(r);
        return r;
    }();
    return defaults;
}

void ApplySystemDefaults(ProjectRecord& r) {
    AssignValues(r, {DefaultGroup::System});
}

void ApplyTPDefaults(ProjectRecord& r) {
    AssignValues(r, {DefaultGroup::TP});
}

void ApplyContaminantDefaults(ProjectRecord& r) {
    AssignValues(r, {DefaultGroup::Contaminant});
}

void ClearEntryState(ProjectRecord& r) {
    AssignValues(r, {DefaultGroup::Entry});
    r.start_up_with_defaults = 1;
}

void UpgradeV1Project(ProjectRecord& r) {
    if (r.model_p == 1) {
        r.PhosRemSpec = r.PhosRemSpec_temp = 0;
        r.PhosremCalc = r.PhosRemCalc_temp = 1;
    }
    if (r.model_n == 1) {
        r.called_by_TN_RR_selection = 0;
        if (r.checked_Ktn == 1) {
            r.checked_KtnAreal = r.checked_KtnAreal_temp = 0;
            r.checked_KtnVolumetric = r.checked_KtnVolumetric_temp = 1;
        }
    }
}

}  // namespace velmar
