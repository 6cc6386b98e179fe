// velmar-study: studies on the wetland model, run in process on the engine.
//   velmar-study run FILES...
//   velmar-study sweep PROJECT --vary FIELD=FROM:TO:STEPS [--vary ...] [--log]
//   velmar-study uncertainty PROJECT --dist FIELD=KIND(parameters)... -n N [--seed S] [--lhs]
//                            [--target RESULT=VALUE]...
//   velmar-study size PROJECT --target RESULT=VALUE --vary FIELD [--range A:B]
//   velmar-study compare PROJECT... [--type fws|hssf] [--k NAME=V] [--cstar NAME=V] [--tanks NAME=V]
//                        [--theta NAME=V] [--target NAME=OUTFLOW]
//   velmar-study compare PROJECT --areas FROM:TO:STEPS [--log] [--type ...] [--k ...] ...
#include "study/command_line.h"

int main(int argc, char** argv) {
    return velmar::study::RunCommandLine(std::vector<std::string>(argv + 1, argv + argc));
}
