// A study of the project as the front end holds it, run off the window's thread while a
// progress bar shows how far it has come; the window's Cancel Run stops it.
#pragma once

#include <functional>
#include <string>

#include "interface/platform/dialog.h"
#include "study/progress.h"

namespace velmar {

enum class StudyEnd { Done, Cancelled, Failed };

// A study of a project file, telling `watch` how far it has come.
using FileStudy = std::function<void(const std::string& project_file, const study::ProgressWatch& watch)>;

// Writes the project as a save would write it now to a file of its own, runs `study` on that
// file on another thread, and removes the file. `failure` says why when the study threw.
StudyEnd RunStudyInBackground(Dialog& d, int progress_bar, const FileStudy& study, std::string& failure);

// Asks the running study to stop, as Cancel Run or closing the window does.
void CancelStudy();

}  // namespace velmar
