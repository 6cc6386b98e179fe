// velmar: the wetland removal model's engine. Usage: velmar DATAFILE
#include "model/driver.h"

namespace {
velmar::ModelState state;  // one state for the run, kept off the stack
}

int main(int argc, char** argv) {
    velmar::ResultsFiles files;
    return velmar::RunEngine(argc, argv, state, files);
}
