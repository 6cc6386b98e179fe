// Stand-ins for the TSS, TCB, BOD and TN screens until they are built.
#include "interface/screens/conventions.h"
#include "interface/screens/tcb_bod.h"
#include "interface/screens/tn.h"
#include "interface/screens/tss.h"

namespace velmar {

bool ShowTSSOptionSelection(Ui& ui, Owner owner) {
    ScreenNotAvailable(ui, owner, "the TSS Input Option Selection Screen");
    return false;
}

bool ShowTCBData(Ui& ui, Owner owner) {
    ScreenNotAvailable(ui, owner, "the TCB Data Entry Screen");
    return false;
}

bool ShowBODData(Ui& ui, Owner owner) {
    ScreenNotAvailable(ui, owner, "the BOD Data Entry Screen");
    return false;
}

bool ShowTNKnownParameter(Ui& ui, Owner owner) {
    ScreenNotAvailable(ui, owner, "the TN Known Parameter Selection Screen");
    return false;
}

}  // namespace velmar
