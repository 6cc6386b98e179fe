// Reads a 600-entry project file and writes a 95-entry results file, computing nothing:
// the floor against which the engine's whole-process time is measured.
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) return -1;
    std::FILE* in = std::fopen(argv[1], "r+");
    if (in == nullptr) return -1;
    char line[80];
    double values[600];
    std::fgets(line, sizeof line, in);
    for (double& v : values) {
        std::fgets(line, sizeof line, in);
        if (std::fscanf(in, "%le\n", &v) != 1) v = 0;
    }
    std::fclose(in);
    std::FILE* out = std::fopen("Results.txt", "w");
    if (out == nullptr) return -1;
    for (int i = 0; i < 95; ++i) std::fprintf(out, "Entry %d: \n%g\n", i, values[i]);
    return std::fclose(out) == 0 ? 0 : -1;
}
