#include "interface/results/report_lines.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <utility>

#include "interface/resources/run_templates.h"
#include "interface/results/results_reading.h"
#include "project/slots.h"

namespace velmar {
namespace {

using Flag = std::int32_t ProjectRecord::*;
using Field = double ProjectRecord::*;

// The lines of one report, with the mark that keeps the active layer thickness from being
// written twice: the phosphorus section writes it when the user entered it, the contaminant
// section otherwise.
class Report {
public:
    void Heading(const std::string& text, const std::string& printed = {}) {
        lines_.push_back({.kind = ReportLineKind::Heading, .text = text, .printed = printed});
    }
    void Plain(const std::string& text, const std::string& printed = {}) {
        lines_.push_back({.kind = ReportLineKind::Plain, .text = text, .printed = printed});
    }
    void Value(const std::string& label, double value, const std::string& unit = {},
               int width = kReportLabelWidth) {
        lines_.push_back(
            {.kind = ReportLineKind::Value, .text = label, .value = value, .unit = unit, .width = width});
    }
    // A value whose label the printed report words differently.
    void Value(const std::string& label, const std::string& printed, double value, const std::string& unit,
               int width = kReportLabelWidth) {
        Value(label, value, unit, width);
        lines_.back().printed = printed;
    }
    void PrintedHeading(const std::string& text) {
        Heading(text);
        lines_.back().printed_only = true;
    }
    void PrintedValue(const std::string& label, double value, const std::string& unit = {}) {
        Value(label, value, unit);
        lines_.back().printed_only = true;
    }
    void Name(const std::string& label, const char* name) {
        lines_.push_back({.kind = ReportLineKind::Name, .text = label, .name = name});
    }
    void ActiveLayerThickness(double thickness) {
        Value("Active Layer Thickness:", thickness, "(cm)");
        thickness_written_ = true;
    }
    bool thickness_written() const { return thickness_written_; }
    std::vector<ReportLine> Take() { return std::move(lines_); }

private:
    std::vector<ReportLine> lines_;
    bool thickness_written_ = false;
};

// A name right-aligned in ten characters, as the text report sets it before some labels.
std::string Right10(const char* name) {
    char text[kNameSize + 10];
    std::snprintf(text, sizeof text, "%10s", name);
    return text;
}

int Organics(const ProjectRecord& r) {
    return std::clamp<int>(r.NumOC_SLR, 0, kSlotCount);
}
int Metals(const ProjectRecord& r) {
    return std::clamp<int>(r.NumHM_LLR, 0, kSlotCount);
}
const char* OrganicName(const ProjectRecord& r, int i) {
    return OrganicSlot(r, i).name;
}
const char* MetalName(const ProjectRecord& r, int j) {
    return MetalSlot(r, j).name;
}

// A constituent's result of a kind, as the results screen kept it.
double Kept(const ProjectRecord& r, const ModelResults& kept, ResultsOf of, int index, ResultsKind kind) {
    return ResultsValue(r, kept, ResultsEntryFor(of, index, kind));
}

void NetSettlingVelocity(Report& out, const ProjectRecord& r) {
    out.Value("Net settling velocity:", r.Vn, "(m/day)", 65);
}

void Scheme(Report& out, const ProjectRecord& r) {
    if (r.mixed_clac_re) {
        out.Heading("The overall solution scheme was: Fully Mixed.",
                    "The overall solution scheme was: Fully Mixed");
    } else if (r.longitudinal_calc_re) {
        out.Heading("The overall solution scheme was: Longitudinal Gradients.",
                    "The overall solution scheme was: Longitudinal Gradients");
    }
}

void SystemParameters(Report& out, const ProjectRecord& r) {
    struct Line {
        const char* label;
        const char* printed;
        Field value;
        const char* unit;
    };
    static const Line kLines[] = {
        {"Temperature:", "", &ProjectRecord::temperature, "(Deg. C)"},
        {"Depth:", "", &ProjectRecord::depth, "(m)"},
        {"Width:", "", &ProjectRecord::width, "(m)"},
        {"Length:", "", &ProjectRecord::length, "(m)"},
        {"Volume:", "", &ProjectRecord::volume, "(m^3)"},
        {"Area:", "", &ProjectRecord::area, "(m^2)"},
        {"Flow:", "", &ProjectRecord::flow, "(m^3/sec)"},
        {"Mean velocity:", "Mean Velocity:", &ProjectRecord::mean_vel_cms, "(cm/sec)"},
        {"Detention time:", "Detention Time:", &ProjectRecord::detention_time, "(days)"},
    };
    out.Heading("The system parameters were:");
    for (const Line& line : kLines) out.Value(line.label, line.printed, r.*line.value, line.unit);
}

void ModelledConstituents(Report& out, const ProjectRecord& r) {
    out.Heading("The modeled constituents were:");
    bool any = false;
    for (const ConventionalFields& c : kConventional) {
        if (!(r.*c.modelled)) continue;
        out.Plain(c.name);
        any = true;
    }
    if (r.model_contaminant) out.Plain("Contaminants");
    if (!any && !r.model_contaminant) out.Plain("None modeled!");
}

void TssParameters(Report& out, const ProjectRecord& r) {
    struct Line {
        Flag checked;
        const char* label;
        Field value;  // none: the label is the whole line
        const char* unit;
    };
    static const Line kLines[] = {
        {&ProjectRecord::checked_AVb, "Active Sed. Layer Burial Velocity:", &ProjectRecord::ActiveVb,
         "(m/day)"},
        {&ProjectRecord::checked_VrNeg, "Resuspension Velocity (negligible)", nullptr, ""},
        {&ProjectRecord::checked_ARhoB, "Active Sed. Layer Bulk Density:", &ProjectRecord::ActiveRhoB,
         "(g/L)"},
        {&ProjectRecord::checked_APhi, "Active Sed. Layer Porosity:", &ProjectRecord::ActivePhi, ""},
        {&ProjectRecord::checked_SAcc, "Surficial Layer Accretion Rate:", &ProjectRecord::SurfVb, "(cm/yr)"},
        {&ProjectRecord::checked_SRhoB, "Surficial Layer Bulk Density:", &ProjectRecord::SurfRhoB, "(g/L)"},
        {&ProjectRecord::checked_SPhi, "Surficial Layer Porosity:", &ProjectRecord::SurfPhi, ""},
        {&ProjectRecord::checked_DRhoS, "Dry Sediment Density:", &ProjectRecord::DrySedDensity, "(g/L)"},
        {&ProjectRecord::checked_SSConc, "Suspended Solid Concentration:", &ProjectRecord::SSConc, "(mg/L)"},
        {&ProjectRecord::checked_PartDiam, "Particle Diameter:", &ProjectRecord::PartDiam, "(microns)"},
        {&ProjectRecord::checked_SG, "Particle Specific Gravity:", &ProjectRecord::SG, ""},
        {&ProjectRecord::checked_Vs, "Settling Velocity:", &ProjectRecord::Vs, "(m/day)"},
    };
    out.Heading("TSS parameters entered:");
    bool any = false;
    for (const Line& line : kLines) {
        if (!(r.*line.checked)) continue;
        if (line.value != nullptr) {
            out.Value(line.label, r.*line.value, line.unit);
        } else {
            out.Plain(line.label);
        }
        any = true;
    }
    if (!any) out.Plain("None entered!");
}

// TCB and BOD: a first-order decay rate at 20 degrees and its temperature correction.
void DecayParameters(Report& out, const char* heading, double rate20, double theta) {
    out.Heading(heading);
    out.Value("Decay Rate @ 20 Deg. Celsius:", rate20, "(/day)");
    out.Value("Temperature Correction Factor:", theta);
}

void NitrogenParameters(Report& out, const ProjectRecord& r) {
    out.Heading("Total Nitrogen parameters entered:");
    if (r.checked_Ktn) {
        if (r.checked_KtnAreal) {
            out.Value("TN Removal Rate @ 20 Deg. Celsius (Areal):", r.Ktn, "(m/day)", 62);
        } else {
            out.Value("TN Removal Rate @ 20 Deg. Celsius:", r.Ktn, "(/day)");
        }
    } else if (r.checked_Kdn) {
        out.Value("No3/TN ratio:", r.No3_TN_Ratio);
        out.Value("Denitrification Rate:", r.Kdn, "(/day)");
    }
    if (r.checked_Ktn || r.checked_Kdn) {
        out.Value("Temperature Correction Factor:", r.theta_tn);
    } else {
        out.Plain("None entered!");
    }
}

// The fraction of total phosphorus that is inorganic (or organic) and how that part splits:
// given as its particulate or dissolved share, or through a partition coefficient.
void PhosphorusFractions(Report& out, const ProjectRecord& r) {
    struct Choice {
        const char* part;
        Field fraction;
        Flag checked[3];
        int width;
    };
    static const Choice kChoices[] = {
        {"inorganic",
         &ProjectRecord::f_i,
         {&ProjectRecord::checked_fi1, &ProjectRecord::checked_fi2, &ProjectRecord::checked_fi3},
         kReportLabelWidth},
        {"organic",
         &ProjectRecord::f_o,
         {&ProjectRecord::checked_fo1, &ProjectRecord::checked_fo2, &ProjectRecord::checked_fo3},
         kReportLabelWidth + 1},
    };
    for (const Choice& c : kChoices) {
        for (int split = 0; split < 3; ++split) {
            if (!(r.*c.checked[split])) continue;
            out.Value(std::string("Fraction total ") + c.part + " phos. to total phos.:", r.*c.fraction, "",
                      c.width);
            if (split == 0) {
                out.Value("Fraction particulate inorganic phos. to total inorganic phos.:", r.Fpw, "",
                          c.width);
            } else if (split == 1) {
                out.Value("Fraction dissolved inorganic phos. to total inorganic phos.:", r.Fdw, "", c.width);
            } else {
                out.Value("Distribution Coefficient for Phos. in water Column:", r.Kdw, "(L/g)", c.width);
                out.Value("Suspended Solid Concentration (mg/L):", r.SSConc, "", c.width);
            }
        }
    }
    if (r.checked_fpw_l)
        out.Value("Fraction total particulate phos. to total phos. in water column:", r.fpw_l, "", 64);
    if (r.checked_fdw)
        out.Value("Fraction total dissolved phos. to total phos. in water column:", r.fdw_l, "", 63);
}

void ActiveLayerSolids(Report& out, const ProjectRecord& r, const char* bulk_density_label,
                       const char* velocity_unit) {
    out.Heading("Additional solids data:");
    out.Value("Active sediment layer porosity:", r.ActivePhi);
    if (!r.checked_Option3) out.Value(bulk_density_label, r.ActiveRhoB, "(g/L)");
    out.Value("Active sediment layer burial velocity:", r.ActiveVb, velocity_unit);
    out.Value("Active sediment layer resuspension velocity:", r.Vr, velocity_unit);
    NetSettlingVelocity(out, r);
}

void EstablishedWetland(Report& out, const ProjectRecord& r) {
    out.Heading("Modeling TP as if Wetland was Established.");
    out.Heading("Total Phosphorus parameters entered:");
    if (!r.UserCheckedLoad && !r.UserSelectedTPLoad) {
        out.Value("TP Load Flow Rate:", r.YearlyTPFlow, "(cms)");
        out.Value("TP Load Inflow Concentration:", r.InflowingTPConc, "(mg/L)");
    } else {
        out.Value("TP Load:", r.YearlyTPLoading, "(kg/yr)");
        out.Value("TP Load:", r.DailyTPLoading, "(kg/day)");
    }
    out.Value("Bonding Energy Constant:", r.bonding_energy_constant, "(L/mg)");
    out.Value("Maximum Phosphorus Sorption:", r.MaximumPSorptionCapacity, "(mg/g)");
    out.Value("Fraction inorganic P to TP:", r.f_i);
    out.Value("Fraction inorganic P in the sediment to TP in the sediment:", r.f_ib);
    out.Value("Resuspension Velocity:", r.Vr, "(m/day)");
    out.Value("Mass Transfer velocity across sediment-water interface:", r.Vd, "(m/day)");
    out.Heading("Total Phosphorus fractions calculated:");
    out.Value("Fraction total dissolved phos. to total phos. in water column (f_dw):", r.f_dw, "", 0);
    out.Value("Fraction total particulate phos. to total phos. in water column(f_pw):", r.f_pw, "", 71);
    out.Value("Fraction total dissolved phos. in sed. pore water to total phos. in bed layer(f_dp):", r.f_dp,
              "", 85);
    // With contaminants modelled the active layer is described in their section.
    if (!r.model_contaminant) ActiveLayerSolids(out, r, "Active sediment layer bulk density", "(m/day)");
}

void PhosphorusParameters(Report& out, const ProjectRecord& r) {
    if (r.PhosRemSpec) {
        out.Heading("Modeling TP as User Specified removal rate.");
        out.Heading("Total Phosphorus parameters entered:");
        if (r.check_Ktp) {
            out.Value("Total Phosphorus removal rate [Volumetric basis]:", r.PhosRemRateVB, "(/day)");
        } else if (r.check_Vtp) {
            out.Value("Total Phosphorus removal rate [Areal basis]:", r.PhosRemRateAB, "(m/day)");
        }
    } else if (r.checked_phos_new) {
        out.Heading("Modeling TP as if Wetland was New.");
        out.Heading("Total Phosphorus parameters entered:");
        PhosphorusFractions(out, r);
        out.Heading("Additional solids data:");
        NetSettlingVelocity(out, r);
    } else if (r.checked_phos_estab) {
        EstablishedWetland(out, r);
    }
    if (r.UserEnterActiveLayerThick) out.ActiveLayerThickness(r.ActiveLayerThickness);
    if (!r.PhosRemSpec && !r.checked_phos_new && !r.checked_phos_estab) out.Plain("None Entered");
}

// "Partitioning Coefficient for <name> in water column:", the name set right in ten
// characters in the text report.
void Partitioning(Report& out, const char* name, double water, double bed) {
    const std::string before = "Partitioning Coefficient for ";
    for (auto [where, value] : {std::pair{" in water column:", water}, std::pair{" in sediment bed:", bed}}) {
        out.Value(before + Right10(name) + where, before + name + where, value, "(L/kg)");
    }
}

void MassTransferVelocity(Report& out, const char* name, double velocity) {
    const std::string label = " mass transfer velocity:";
    out.Value(Right10(name) + label, name + label, velocity, "(m/day)");
}

// Organic chemicals whose removal is computed from its processes.
void OrganicProcesses(Report& out, const ProjectRecord& r) {
    if (r.checked_kvCalc) out.Value("Wind Speed:", r.WindSpeed, "(m/sec)");
    if (!out.thickness_written()) out.ActiveLayerThickness(r.ActiveLayerThickness);
    const bool water = r.checked_KdwCalc != 0;
    const bool bed = r.checked_KdsCalc != 0;
    if (water) out.Value("Fraction Organic Carbon in water Column:", r.f_oc);
    if (bed) out.Value("Fraction Organic Carbon in Bed:", r.Bedf_oc);
    if (water) out.Value("Dissolved Organic Carbon Concentration in water Column:", r.DOCH2o, "(mg/L)");
    if (bed) out.Value("Dissolved Organic Carbon Concentration in Bed:", r.DOCBed, "(mg/L)");
    out.Heading("Organic chemicals / short lived radionuclides:");
    for (int i = 0; i < Organics(r); ++i) {
        out.Name("Organic Chemical name:", OrganicName(r, i));
        out.Value("Molecular Diffusivity:", r.MolecularDiffusivity[i], "(m^2/sec)");
        if (water || bed) out.Value("Octanol / Water Partition Coefficient:", r.Kow[i], "(L/kg)");
        Partitioning(out, OrganicName(r, i), r.ConKdw[i], r.Kds[i]);
        if (r.checked_kvCalc) out.Value("Henry's Constant:", r.Henry[i], "(atm m^3/mole)");
        out.Value("Decay Rate:", r.kd[i], "(/day)");
        out.Value("Volatization Rate:", r.kv[i], "(m/day)");
        out.Value("Decay Rate in Pore Water:", r.kdb[i], "(/day)");
        if (r.checked_kvCalc) out.Value("Molecular Weight:", r.MW[i], "(g/g mole)");
    }
}

void ContaminantParameters(Report& out, const ProjectRecord& r) {
    const int organics = Organics(r);
    const int metals = Metals(r);
    out.Heading("Contaminant parameters entered:");
    if (r.checked_contam_removal && organics > 0) {
        OrganicProcesses(out, r);
    } else if (r.checked_contam_tau) {
        if (organics > 0) out.Heading("Organic chemicals / short lived radionuclides:");
        for (int i = 0; i < organics; ++i) {
            out.Name("Organic Chemical name:", OrganicName(r, i));
            out.Value("Half-Life:", r.Tau[i], "(days)", kReportLabelWidth - 1);
        }
    }
    if (metals > 0) {
        out.Heading("Heavy metals / long lived radionuclides:");
        for (int j = 0; j < metals; ++j) {
            out.Name("Heavy Metal name:", MetalName(r, j));
            out.Value("Molecular Diffusivity:", r.HMMolecularDiffusivity[j], "(m^2/sec)");
            Partitioning(out, MetalName(r, j), r.HMConKdw[j], r.HMKds[j]);
        }
    }
    if (metals == 0 && !(organics > 0 && r.checked_contam_removal)) return;
    ActiveLayerSolids(out, r, "Active sediment layer bulk density:", "");
    if ((organics > 0 && metals > 0 && !r.checked_contam_tau) || metals == 0) {
        for (int i = 0; i < organics; ++i) MassTransferVelocity(out, OrganicName(r, i), r.ConVd[i]);
    }
    for (int j = 0; j < metals; ++j) MassTransferVelocity(out, MetalName(r, j), r.HMVd[j]);
}

// A contaminant's removal efficiency and how it divides between dissolved and particulate
// forms; the printed report adds the dissolved share in the bed's pore water.
void ContaminantEfficiency(Report& out, const ProjectRecord& r, const ModelResults& kept, ResultsOf slots,
                           int k) {
    const char* name = ResultsEntryName(r, ResultsEntryFor(slots, k, ResultsKind::Efficiency));
    const char* kind = slots == ResultsOf::Organic ? "organic chem." : "heavy metal";
    auto result = [&](ResultsKind result_kind) { return Kept(r, kept, slots, k, result_kind); };
    const double fd = result(ResultsKind::DissolvedInWater);
    const double fp = result(ResultsKind::ParticulateInWater);
    const double fdp = result(ResultsKind::DissolvedInPoreWater);
    out.Value(Right10(name), name, result(ResultsKind::Efficiency), "%");
    const std::string of = std::string(kind) + " to total " + kind;
    const std::string dissolved = "Fraction dissolved " + of + " in water column (Fdw)";
    const std::string particulate = "Fraction particulate " + of + " in water column (Fpw)";
    out.Value("  " + dissolved, dissolved + ":", fd, "", 0);
    out.Value("  " + particulate, particulate + ":", fp, "", 0);
    out.PrintedValue("Fraction dissolved " + of + " in pore water (Fdp):", fdp);
}

void Efficiencies(Report& out, const ProjectRecord& r, const ModelResults& kept) {
    auto modelled = [&r](const ConventionalFields& c) { return r.*c.modelled != 0; };
    if (std::none_of(std::begin(kConventional), std::end(kConventional), modelled) && !r.model_contaminant)
        return;
    out.Heading("RE output:");
    for (int c = 0; c < kConventionalCount; ++c) {
        if (!modelled(kConventional[c])) continue;
        out.Value(std::string(kConventional[c].name) + " Removal Efficiency:",
                  Kept(r, kept, ResultsOf::Conventional, c, ResultsKind::Efficiency), "%");
    }
    if (TpNotConverged(r, Kept(r, kept, ResultsOf::Conventional, kTP, ResultsKind::Efficiency))) {
        out.Plain(kTpNotConvergedNote);
    }
    if (!r.model_contaminant) return;
    out.Plain("Contaminant RE Efficiency:");
    for (int i = 0; i < Organics(r); ++i) ContaminantEfficiency(out, r, kept, ResultsOf::Organic, i);
    for (int j = 0; j < Metals(r); ++j) ContaminantEfficiency(out, r, kept, ResultsOf::Metal, j);
}

// A constituent of the concentration sections: conventional (by kTSS ...) or a slot's.
struct Constituent {
    ResultsOf of;
    int index;
};

// The constituents of the concentration sections in their order: the reports list BOD
// before TCB, then every contaminant slot.
std::vector<Constituent> ConcentrationOrder() {
    std::vector<Constituent> order;
    for (const int c : {kTSS, kBOD, kTCB, kTN, kTP}) order.push_back({ResultsOf::Conventional, c});
    for (const ResultsOf of : {ResultsOf::Organic, ResultsOf::Metal}) {
        for (int k = 0; k < kSlotCount; ++k) order.push_back({of, k});
    }
    return order;
}

bool OutflowWanted(const ProjectRecord& r, const Constituent& c) {
    switch (c.of) {
        case ResultsOf::Conventional: return r.*kConventional[c.index].outflow_wanted != 0;
        case ResultsOf::Organic: return OrganicSlot(r, c.index).outflow_wanted != 0;
        case ResultsOf::Metal: return MetalSlot(r, c.index).outflow_wanted != 0;
        case ResultsOf::Workings: return false;
    }
    return false;
}

// The constituent's name (the conventional ones by their short names, contaminants by the
// names the user gave them), inflow concentration and its unit.
std::string ConcentrationName(const ProjectRecord& r, const Constituent& c) {
    if (c.of == ResultsOf::Conventional) return kConventional[c.index].name;
    return c.of == ResultsOf::Organic ? OrganicName(r, c.index) : MetalName(r, c.index);
}
double Inflow(const ProjectRecord& r, const Constituent& c) {
    if (c.of == ResultsOf::Conventional) return r.*kConventional[c.index].inflow;
    return c.of == ResultsOf::Organic ? OrganicSlot(r, c.index).inflow : MetalSlot(r, c.index).inflow;
}
std::string ConcentrationUnit(const Constituent& c) {
    return std::string("(") + (c.of == ResultsOf::Conventional ? kConventional[c.index].unit : "mg/L") + ")";
}

void Concentrations(Report& out, const ProjectRecord& r, const ModelResults& kept) {
    const std::vector<Constituent> order = ConcentrationOrder();
    if (std::none_of(order.begin(), order.end(), [&r](const Constituent& c) { return OutflowWanted(r, c); }))
        return;
    // A concentration was computed exactly where the results screen shows its row.
    auto computed = [&r](int entry) { return ResultsRowState(r, entry) == RowState::Shown; };
    const bool tp_not_converged =
        TpNotConverged(r, Kept(r, kept, ResultsOf::Conventional, kTP, ResultsKind::Efficiency));
    for (const bool inflow : {true, false}) {
        const std::string which = inflow ? "Inflow" : "Outflow";
        out.Heading(which + " Concentrations:", which + " Concentrations (Total):");
        const std::string label = inflow ? " inflow concentration:" : " outflow concentration:";
        for (const Constituent& c : order) {
            const int entry = EntryNumber(c.of, c.index, ResultsKind::Outflow);
            if (!computed(entry)) continue;
            const std::string name = ConcentrationName(r, c);
            if (!inflow && TpResult(entry) && tp_not_converged) {
                out.Plain(name + label + " not computed");
                continue;
            }
            const double value = inflow ? Inflow(r, c) : ResultsValue(r, kept, kResultsEntries[entry - 1]);
            out.Value(name + label, value, ConcentrationUnit(c),
                      static_cast<int>(name.size() + label.size()) + 1);
        }
    }
    // The sediment concentrations, printed only, where the results screen shows them.
    bool heading = false;
    for (const Constituent& c : order) {
        if (c.of == ResultsOf::Conventional) continue;
        const int entry = EntryNumber(c.of, c.index, ResultsKind::SedimentConcentration);
        if (!computed(entry)) continue;
        if (!std::exchange(heading, true)) out.PrintedHeading("Sediment Concentrations (Total):");
        const ResultsEntry& e = kResultsEntries[entry - 1];
        out.PrintedValue(std::string(ResultsEntryName(r, e)) + " sediment concentration:",
                         ResultsValue(r, kept, e), "(mg/kg)");
    }
}

}  // namespace

std::vector<ReportLine> ReportLines(const ProjectRecord& r, const ModelResults& kept) {
    Report out;
    Scheme(out, r);
    SystemParameters(out, r);
    ModelledConstituents(out, r);
    if (r.model_tss) TssParameters(out, r);
    if (r.model_tcb) DecayParameters(out, "TCB parameters entered:", r.tcb_decay_rate20, r.theta_tcb);
    if (r.model_bod) DecayParameters(out, "BOD paramters entered:", r.bod_decay_rate20, r.theta_bod);
    if (r.model_n) NitrogenParameters(out, r);
    if (r.model_p) PhosphorusParameters(out, r);
    if (r.model_contaminant) ContaminantParameters(out, r);
    Efficiencies(out, r, kept);
    Concentrations(out, r, kept);
    return out.Take();
}

}  // namespace velmar
