#include "interface/analysis/background_study.h"

#include <atomic>
#include <filesystem>
#include <random>

#include "interface/platform/ui.h"
#include "interface/session/state.h"
#include "project/project_file.h"
#include "study/interrupt.h"

namespace velmar {

StudyEnd RunStudyInBackground(Dialog& d, int progress_bar, const FileStudy& study, std::string& failure) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("velmar-study-" + std::to_string(std::random_device{}()) + ".inp");
    if (WriteProjectFile(file.string(), Project()) != 0) {
        failure = "the project could not be written to " + file.string();
        return StudyEnd::Failed;
    }
    std::atomic<std::size_t> done = 0, total = 0;
    d.SetProgress(progress_bar, 0);
    study::SetInterrupted(false);
    const study::ProgressWatch watch = [&](std::size_t now, std::size_t all) {
        done = now;
        total = all;
        d.ui().WorkProgressed();
    };
    d.ui().RunInBackground(
        [&] {
            try {
                study(file.string(), watch);
            } catch (const std::exception& e) {
                failure = e.what();
            }
        },
        [&] {
            if (total > 0) d.SetProgress(progress_bar, static_cast<int>(100 * done / total));
        });
    const bool cancelled = study::Interrupted();
    study::SetInterrupted(false);
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    if (!failure.empty() || cancelled) {
        d.SetProgress(progress_bar, 0);
        return failure.empty() ? StudyEnd::Cancelled : StudyEnd::Failed;
    }
    d.SetProgress(progress_bar, 100);
    return StudyEnd::Done;
}

void CancelStudy() {
    study::SetInterrupted(true);
}

}  // namespace velmar
