// The values the system screens derive from the wetland's dimensions and flow, for a study
// that changes one of these: varying the depth means a deeper wetland of the same plan area
// (or the same volume, when that is what the project fixes), with its detention time, mean
// velocity and residence time following.
#pragma once

#include <vector>

#include "project/file_entries.h"

namespace velmar::study {

// Flow, volume, area, depth, length or width.
bool IsSystemProperty(const FileEntry* field);

// At most two of volume, area and depth, and one of length and width, can be varied
// together: the rest follow from them. Anything else is refused.
void CheckVariedDimensions(const std::vector<const FileEntry*>& varied);

// Makes the varied dimensions the chosen ones, as if picked on the geometry selection
// screen. A dimension varied in place of one chosen keeps the depth fixed (or, when the
// depth itself is varied, the area): a larger area means a larger wetland of the same depth.
void ChooseVariedDimensions(ProjectRecord& r, const std::vector<const FileEntry*>& varied);

// What entering the committed dimensions and flow again and accepting the system screens
// without changes gives: the dimensions not chosen, the derived values and the suggested
// detention time and mean velocity, all committed.
void AcceptSystemScreens(ProjectRecord& r);

// The same for a project on which AcceptSystemScreens has run before, with only dimensions
// or the flow changed since: the defaults it gave the constituents not modelled are left as
// they are. Of these only the BOD decay rate would follow the depth, and a rate of a
// constituent not modelled enters no result.
void AcceptSystemScreensAgain(ProjectRecord& r);

}  // namespace velmar::study
