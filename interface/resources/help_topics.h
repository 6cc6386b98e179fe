// The help topics: a file in the Help folder and the caption of the window that shows it.
// Each screen passes its pair to ShowHelpText; the program ships every file listed here.
#pragma once

#include <array>

namespace velmar {

struct HelpTopic {
    const char* file;
    const char* caption;
};

extern const std::array<HelpTopic, 48> kHelpTopics;

}  // namespace velmar
