// Groups of the record's defaults that screens put back on their own. The values come from
// ResetToDefaults, so that the record has one list of defaults.
#pragma once

#include "project/record.h"

namespace velmar {

// A record just reset to its defaults.
const ProjectRecord& DefaultRecord();

// Temperature, depth, width, length, volume, area and flow, with their working copies.
void ApplySystemDefaults(ProjectRecord& r);

// Every total phosphorus field that has a default.
void ApplyTPDefaults(ProjectRecord& r);

// Every contaminant field (organic chemicals and heavy metals) that has a default.
void ApplyContaminantDefaults(ProjectRecord& r);

}  // namespace velmar
