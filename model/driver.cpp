#include "model/driver.h"

#include <cstdio>

#include "model/contaminant_removal.h"
#include "model/conventional.h"
#include "model/input.h"
#include "model/phosphorus.h"
#include "project/file_names.h"

namespace velmar {

void ComputeModel(ModelState& s) {
    ComputeTss(s);
    ComputeTcbBodTn(s);
    ComputeSedimentVelocities(s);
    // An established or new wetland without TSS data ends the computations early.
    const bool go_on = !s.model_p || ComputePhosphorus(s);
    if (go_on && s.model_contaminant) ComputeContaminants(s);
    ComputeConventionalOutflows(s);
    ComputeContaminantConcentrations(s);
}

int RunEngine(int argc, const char* const* argv, ModelState& s, ResultsFiles& files) {
    if (argc < 2) return -1;
    std::FILE* data = OpenFile(argv[1], "r+");
    if (data == nullptr) return -1;
    SetEngineStartValues(s);
    ReadModelInput(data, s);
    std::fclose(data);

    ComputeModel(s);

    return WriteResultsFile(kResultsFileName, s, files) ? 0 : -1;
}

}  // namespace velmar
