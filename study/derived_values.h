// The values the system screens derive from the wetland's dimensions and flow, for a study
// that changes one of these, whatever pair the project was entered with: a larger area is a
// larger wetland of the same depth and shape (volume, length and width follow); a deeper one
// keeps its plan (the volume follows); a larger volume keeps the depth and the length or
// width the project chose (the area and the other follow); a longer or wider one keeps the
// plan area, volume and depth (the other of length and width follows). The detention time,
// mean velocity and residence time follow them all.
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
// screen. One of volume, area and depth varied alone is chosen with the depth (the depth
// with the area), whichever two the project chose.
void ChooseVariedDimensions(ProjectRecord& r, const std::vector<const FileEntry*>& varied);

// Gives `to` the choice of dimensions that `from` has, committed and working.
void CopyDimensionChoice(const ProjectRecord& from, ProjectRecord& to);

// Whether varying these keeps the plan's shape: the area is varied, length and width are not.
bool ScalesPlan(const std::vector<const FileEntry*>& varied);

// The length and width, committed with their working copies, of a plan of the record's area
// with this length-to-width ratio; left as they are when there is no such ratio (a plan
// without width or length).
void ScalePlan(ProjectRecord& r, double length_to_width);

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
