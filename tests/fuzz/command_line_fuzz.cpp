// velmar-study's command line from any bytes: the arguments are the bytes between NULs. The
// arguments are read and checked, never run, so nothing is written and nothing runs long.
// Every command line either names a study, or is refused with a usage status or a
// StudyError, and help is the only refusal-free answer without a study.
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "study/command_line.h"
#include "study/study_error.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmar;
    std::vector<std::string> arguments(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            arguments.emplace_back();
        else
            arguments.back() += static_cast<char>(data[i]);
    }
    if (size == 0) arguments.clear();
    std::ostringstream out, err;
    try {
        const study::ParsedCommandLine parsed = study::ParseCommandLine(arguments, out, err);
        if (parsed.study) return 0;
        fuzz::Require(parsed.status == 0 || parsed.status == study::kUsageStatus, "an unexpected status",
                      std::to_string(parsed.status));
        fuzz::Require((parsed.status == 0) == err.str().empty(), "a usage error without a message",
                      err.str());
    } catch (const study::StudyError& e) {
        fuzz::Require(*e.what() != '\0', "a refusal without a message");
    }
    return 0;
}
