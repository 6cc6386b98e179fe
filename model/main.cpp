// velmar: the wetland removal model's engine. Usage: velmar DATAFILE
#include "model/driver.h"

#ifdef _WIN32
#include <string>
#include <vector>

#include "project/file_names.h"
#endif

namespace {

velmar::ModelState state;  // one state for the run, kept off the stack

int Run(int argc, const char* const* argv) {
    velmar::ResultsFiles files;
    return velmar::RunEngine(argc, argv, state, files);
}

}  // namespace

#ifdef _WIN32

// Windows gives the arguments in full only as wide characters (the narrow ones are in the
// user's code page); the engine takes them, as it takes every file name, as UTF-8.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i) arguments.push_back(velmar::TextFromPath(argv[i]));
    std::vector<const char*> pointers;
    for (const std::string& argument : arguments) pointers.push_back(argument.c_str());
    return Run(argc, pointers.data());
}

#else

int main(int argc, char** argv) {
    return Run(argc, argv);
}

#endif
