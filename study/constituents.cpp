#include "study/constituents.h"

#include <string>

#include "project/results_layout.h"
#include "project/slots.h"

namespace velmar::study {
namespace {

using R = ProjectRecord;

std::size_t Entry(ResultsOf of, int index, ResultsKind kind) {
    return *FindResultsEntry(of, index, kind);
}

// Contaminant slot j of a kind, named by its slot when the project leaves it unnamed.
ConstituentResults Contaminant(const SlotView<const R>& slot, ResultsOf of, int j) {
    const std::string kind_name = of == ResultsOf::Metal ? "Metal " : "Organic ";
    ConstituentResults c{slot.name[0] ? std::string(slot.name) : kind_name + std::to_string(j + 1),
                         kContaminantUnit,
                         Entry(of, j, ResultsKind::RemovalRate),
                         Entry(of, j, ResultsKind::Efficiency),
                         std::nullopt,
                         Entry(of, j, ResultsKind::DissolvedInWater),
                         Entry(of, j, ResultsKind::ParticulateInWater),
                         Entry(of, j, ResultsKind::DissolvedInPoreWater),
                         std::nullopt};
    if (slot.outflow_wanted) {
        c.outflow = Entry(of, j, ResultsKind::Outflow);
        c.sediment = Entry(of, j, ResultsKind::SedimentConcentration);
    }
    return c;
}

}  // namespace

std::vector<ConstituentResults> ModelledConstituents(const R& r) {
    std::vector<ConstituentResults> modelled;
    for (int k = 0; k < kConventionalCount; ++k) {
        const ConventionalFields& c = kConventional[k];
        if (!(r.*c.modelled)) continue;
        ConstituentResults results;
        results.name = c.name;
        results.unit = c.unit;
        results.rate = Entry(ResultsOf::Conventional, k, ResultsKind::RemovalRate);
        results.efficiency = Entry(ResultsOf::Conventional, k, ResultsKind::Efficiency);
        if (r.*c.outflow_wanted) results.outflow = Entry(ResultsOf::Conventional, k, ResultsKind::Outflow);
        modelled.push_back(std::move(results));
    }
    if (!r.model_contaminant) return modelled;
    for (int j = 0; j < kSlotCount && j < r.NumOC_SLR; ++j) {
        modelled.push_back(Contaminant(OrganicSlot(r, j), ResultsOf::Organic, j));
    }
    for (int j = 0; j < kSlotCount && j < r.NumHM_LLR; ++j) {
        modelled.push_back(Contaminant(MetalSlot(r, j), ResultsOf::Metal, j));
    }
    return modelled;
}

}  // namespace velmar::study
