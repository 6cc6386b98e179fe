// The floor for velmar-study run: read each project file named on the command line into a
// record, nothing more. Prints the files per second.
#include <chrono>
#include <cstdio>

#include "model/input.h"
#include "project/project_file.h"

int main(int argc, char** argv) {
    static velmar::ModelState s;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 1; i < argc; ++i) {
        std::FILE* file = std::fopen(argv[i], "r");
        if (file == nullptr) return 1;
        velmar::SetEngineStartValues(s);
        velmar::ReadProjectEntries(file, s);
        std::fclose(file);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%.0f\n", (argc - 1) / seconds);
}
