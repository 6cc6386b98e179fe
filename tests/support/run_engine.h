// Running the engine as a program, as the front end runs it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "interface/platform/run_program.h"
#include "project/file_names.h"

namespace velmar::testing {

// The exit status of a failed run, the engine's -1: 255 as POSIX reports it.
#ifdef _WIN32
inline constexpr int kEngineFailed = -1;
#else
inline constexpr int kEngineFailed = 255;
#endif

// Runs the engine with the arguments in the working folder; its exit status.
inline int RunEngineIn(const std::filesystem::path& folder, const std::vector<std::string>& arguments) {
    const ProgramExit run = RunProgramAndWaitFor(VELMAR_ENGINE, arguments, TextFromPath(folder));
    return run.start_error == 0 ? run.status : -1000 - run.start_error;
}

}  // namespace velmar::testing
