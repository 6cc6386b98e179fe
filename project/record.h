// The project record: the complete state of one wetland project.
#pragma once

#include <cstddef>
#include <cstdint>

#include "project/record_fields.h"

namespace velmar {

// A name field holds at most 11 characters and a terminating zero.
constexpr std::size_t kNameSize = 12;
using NameText = char[kNameSize];

// Contaminant slots of each kind: up to three organic chemicals and three heavy metals.
constexpr int kSlotCount = 3;

enum class FieldKind { Int, Real, Name };

// The wetland depth of a new project (m); the default BOD decay rate follows from it.
constexpr double kDefaultDepth = 1.0;

#define VELMAR_TYPE_INT std::int32_t
#define VELMAR_TYPE_REAL double
#define VELMAR_TYPE_NAME NameText

struct ProjectRecord {
#define VELMAR_DECLARE_FIELD(kind, id, label, value, group) VELMAR_TYPE_##kind id;
#define VELMAR_DECLARE_ARRAY3(kind, id, value, group) VELMAR_TYPE_##kind id[kSlotCount];
#define VELMAR_DECLARE_ARRAY7(kind, id, value, group) VELMAR_TYPE_##kind id[7];
#define VELMAR_DECLARE_NOTHING(kind, id, label)
    VELMAR_PROJECT_ENTRIES(VELMAR_DECLARE_FIELD, VELMAR_DECLARE_ARRAY3, VELMAR_DECLARE_ARRAY7,
                           VELMAR_DECLARE_NOTHING)
#undef VELMAR_DECLARE_FIELD
#undef VELMAR_DECLARE_ARRAY3
#undef VELMAR_DECLARE_ARRAY7
#undef VELMAR_DECLARE_NOTHING
};

// Copies text into a name field, keeping the leading characters that fit.
void SetName(NameText& name, const char* text);

// A record as it stands when the front end starts, before the first reset: every field
// zero except the few whose program-start value is not.
ProjectRecord ProgramStartRecord();

// Gives every field that has a default its default; the fields that are set only at
// program start, and length_entered and width_entered, keep their values.
void ResetToDefaults(ProjectRecord& r);

// A record just reset to its defaults.
const ProjectRecord& DefaultRecord();

// The start-up system values: temperature, depth, width, length, volume, area and flow,
// with their working copies.
void ApplySystemDefaults(ProjectRecord& r);

// Every total phosphorus field that has a default.
void ApplyTPDefaults(ProjectRecord& r);

// Every contaminant field (organic chemicals and heavy metals) that has a default.
void ApplyContaminantDefaults(ProjectRecord& r);

// Clears the entry state that New, Open and start-up clear just before ResetToDefaults.
void ClearEntryState(ProjectRecord& r);

// Brings a project read from a v1.0 (or unrecognised) file up to the current meaning of
// its phosphorus and nitrogen rate choices.
void UpgradeV1Project(ProjectRecord& r);

}  // namespace velmar
