#include "study/constituents.h"

#include "project/slots.h"
#include "study/results.h"

namespace velmar::study {
namespace {

using R = ProjectRecord;

struct Conventional {
    const char* name;
    std::int32_t R::*modelled;
    std::int32_t R::*outflow_wanted;
    const char* rate;
    const char* efficiency;
    const char* outflow;
};

constexpr Conventional kConventional[] = {
    {"TSS", &R::model_tss, &R::checked_TSSGenOutConc, "TSS_removal_rate", "RE_TSS", "TSSoutConc"},
    {"TCB", &R::model_tcb, &R::checked_TCBGenOutConc, "tcb_decay_rate", "RE_TCB", "TCBoutConc"},
    {"BOD", &R::model_bod, &R::checked_BODGenOutConc, "bod_decay_rate", "RE_BOD", "BODoutConc"},
    {"TN", &R::model_n, &R::checked_TNGenOutConc, "tn_decay_rate", "RE_TN", "TNoutConc"},
    {"TP", &R::model_p, &R::checked_TPGenOutConc, "tp_removal_rate", "RE_TP", "TPoutConc"},
};

std::size_t Indexed(const std::string& name, int k) {
    return FindResult(name + "[" + std::to_string(k) + "]");
}

// Contaminant k (0-5: organic chemicals, then heavy metals), named by its slot when the
// project leaves it unnamed.
ConstituentResults Contaminant(const SlotView<const R>& slot, int k) {
    const bool metal = k >= 3;
    const int j = k % 3;
    const std::string prefix = metal ? "HM" : "Contam";
    ConstituentResults c{
        slot.name[0] ? std::string(slot.name) : (metal ? "Metal " : "Organic ") + std::to_string(j + 1),
        Indexed("ContamRemovalRate", k),
        Indexed("RE_Contam", k),
        std::nullopt,
        Indexed(prefix + "Fd", j),
        Indexed(prefix + "Fp", j),
        Indexed(prefix + "Fdp", j),
        std::nullopt};
    if (slot.outflow_wanted) {
        c.outflow = Indexed(prefix + "OutConc", j);
        c.sediment = Indexed(prefix + "SedConc", j);
    }
    return c;
}

}  // namespace

std::vector<ConstituentResults> ModelledConstituents(const R& r) {
    std::vector<ConstituentResults> modelled;
    for (const Conventional& c : kConventional) {
        if (!(r.*c.modelled)) continue;
        ConstituentResults results;
        results.name = c.name;
        results.rate = FindResult(c.rate);
        results.efficiency = FindResult(c.efficiency);
        if (r.*c.outflow_wanted) results.outflow = FindResult(c.outflow);
        modelled.push_back(std::move(results));
    }
    if (!r.model_contaminant) return modelled;
    for (int j = 0; j < 3 && j < r.NumOC_SLR; ++j) modelled.push_back(Contaminant(OrganicSlot(r, j), j));
    for (int j = 0; j < 3 && j < r.NumHM_LLR; ++j) modelled.push_back(Contaminant(MetalSlot(r, j), 3 + j));
    return modelled;
}

}  // namespace velmar::study
