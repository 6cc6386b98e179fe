#include "project/results_layout.h"

#include <cstdlib>
#include <cstring>

#include "project/slots.h"

namespace velmar {

// clang-format off
#define RECORD_REAL(format, of, index, kind, field) \
    ResultsEntry{format, of, index, kind, ResultsSource::RecordReal, offsetof(ProjectRecord, field), #field}
#define RECORD_INT(format, of, index, kind, field) \
    ResultsEntry{format, of, index, kind, ResultsSource::RecordInt, offsetof(ProjectRecord, field), #field}
#define RESULT(format, of, index, kind, field) \
    ResultsEntry{format, of, index, kind, ResultsSource::Results, offsetof(ModelResults, field), #field}

const std::array<ResultsEntry, kResultsEntryCount> kResultsEntries = {
    RECORD_REAL("TSS Removal Rate (/day): \n%g\n", ResultsOf::Conventional, kTSS, ResultsKind::RemovalRate, TSS_removal_rate),  // 1
    RECORD_REAL("TCB Removal Rate (/day): \n%g\n", ResultsOf::Conventional, kTCB, ResultsKind::RemovalRate, tcb_decay_rate),  // 2
    RECORD_REAL("BOD Removal Rate (/day): \n%g\n", ResultsOf::Conventional, kBOD, ResultsKind::RemovalRate, bod_decay_rate),  // 3
    RECORD_REAL("TN Removal Rate (/day): \n%g\n", ResultsOf::Conventional, kTN, ResultsKind::RemovalRate, tn_decay_rate),  // 4
    RESULT("TP Removal Rate (/day): \n%g\n\n", ResultsOf::Conventional, kTP, ResultsKind::RemovalRate, tp_removal_rate),  // 5
    RESULT("RE TSS (%%): \n%g\n", ResultsOf::Conventional, kTSS, ResultsKind::Efficiency, RE_TSS),  // 6
    RESULT("RE TCB (%%): \n%g\n", ResultsOf::Conventional, kTCB, ResultsKind::Efficiency, RE_TCB),  // 7
    RESULT("RE BOD (%%): \n%g\n", ResultsOf::Conventional, kBOD, ResultsKind::Efficiency, RE_BOD),  // 8
    RESULT("RE TN (%%): \n%g\n", ResultsOf::Conventional, kTN, ResultsKind::Efficiency, RE_TN),  // 9
    RESULT("RE TP (%%): \n%g\n\n", ResultsOf::Conventional, kTP, ResultsKind::Efficiency, RE_TP),  // 10
    RESULT("%s Removal Rate (/day): \n%g\n", ResultsOf::Organic, 0, ResultsKind::RemovalRate, ContamRemovalRate[0]),  // 11
    RESULT("%s Removal Rate (/day): \n%g\n", ResultsOf::Organic, 1, ResultsKind::RemovalRate, ContamRemovalRate[1]),  // 12
    RESULT("%s Removal Rate (/day): \n%g\n\n", ResultsOf::Organic, 2, ResultsKind::RemovalRate, ContamRemovalRate[2]),  // 13
    RESULT("RE %s (%%): \n%g\n", ResultsOf::Organic, 0, ResultsKind::Efficiency, RE_Contam[0]),  // 14
    RESULT("RE %s (%%): \n%g\n", ResultsOf::Organic, 1, ResultsKind::Efficiency, RE_Contam[1]),  // 15
    RESULT("RE %s (%%): \n%g\n\n", ResultsOf::Organic, 2, ResultsKind::Efficiency, RE_Contam[2]),  // 16
    RESULT("%s Removal Rate (/day): \n%g\n", ResultsOf::Metal, 0, ResultsKind::RemovalRate, ContamRemovalRate[3]),  // 17
    RESULT("%s Removal Rate (/day): \n%g\n", ResultsOf::Metal, 1, ResultsKind::RemovalRate, ContamRemovalRate[4]),  // 18
    RESULT("%s Removal Rate (/day): \n%g\n\n", ResultsOf::Metal, 2, ResultsKind::RemovalRate, ContamRemovalRate[5]),  // 19
    RESULT("RE %s (%%): \n%g\n", ResultsOf::Metal, 0, ResultsKind::Efficiency, RE_Contam[3]),  // 20
    RESULT("RE %s (%%): \n%g\n", ResultsOf::Metal, 1, ResultsKind::Efficiency, RE_Contam[4]),  // 21
    RESULT("RE %s (%%): \n%g\n\n", ResultsOf::Metal, 2, ResultsKind::Efficiency, RE_Contam[5]),  // 22
    RESULT("TSS Conc (out) (mg/L): \n%g\n", ResultsOf::Conventional, kTSS, ResultsKind::Outflow, TSSoutConc),  // 23
    RESULT("TCB Conc (out) (mg/L): \n%g\n", ResultsOf::Conventional, kTCB, ResultsKind::Outflow, TCBoutConc),  // 24
    RESULT("BOD Conc (out) (mg/L): \n%g\n", ResultsOf::Conventional, kBOD, ResultsKind::Outflow, BODoutConc),  // 25
    RESULT("TN Conc (out) (mg/L): \n%g\n", ResultsOf::Conventional, kTN, ResultsKind::Outflow, TNoutConc),  // 26
    RESULT("TP Conc (out) (mg/L): \n%g\n\n", ResultsOf::Conventional, kTP, ResultsKind::Outflow, TPoutConc),  // 27
    RESULT("%s Conc (out) (mg/L): \n%g\n", ResultsOf::Organic, 0, ResultsKind::Outflow, ContamOutConc[0]),  // 28
    RESULT("%s Conc (out) (mg/L): \n%g\n", ResultsOf::Organic, 1, ResultsKind::Outflow, ContamOutConc[1]),  // 29
    RESULT("%s Conc (out) (mg/L): \n%g\n\n", ResultsOf::Organic, 2, ResultsKind::Outflow, ContamOutConc[2]),  // 30
    RESULT("%s Conc (out) (mg/L): \n%g\n", ResultsOf::Metal, 0, ResultsKind::Outflow, HMOutConc[0]),  // 31
    RESULT("%s Conc (out) (mg/L): \n%g\n", ResultsOf::Metal, 1, ResultsKind::Outflow, HMOutConc[1]),  // 32
    RESULT("%s Conc (out) (mg/L): \n%g\n\n", ResultsOf::Metal, 2, ResultsKind::Outflow, HMOutConc[2]),  // 33
    RESULT("%s Dissolved Fraction in Water Column: \n%g\n", ResultsOf::Organic, 0, ResultsKind::DissolvedInWater, ContamFd[0]),  // 34
    RESULT("%s Particulate Fraction in Water Column: \n%g\n", ResultsOf::Organic, 0, ResultsKind::ParticulateInWater, ContamFp[0]),  // 35
    RESULT("%s Dissolved Fraction in Pore Water: \n%g\n", ResultsOf::Organic, 0, ResultsKind::DissolvedInPoreWater, ContamFdp[0]),  // 36
    RESULT("%s WC Dissolved Fraction in Water Column: \n%g\n", ResultsOf::Organic, 1, ResultsKind::DissolvedInWater, ContamFd[1]),  // 37
    RESULT("%s WC Particulate Fraction in Water Column: \n%g\n", ResultsOf::Organic, 1, ResultsKind::ParticulateInWater, ContamFp[1]),  // 38
    RESULT("%s Dissolved Fraction in Pore Water: \n%g\n", ResultsOf::Organic, 1, ResultsKind::DissolvedInPoreWater, ContamFdp[1]),  // 39
    RESULT("%s WC Dissolved Fraction in Water Column: \n%g\n", ResultsOf::Organic, 2, ResultsKind::DissolvedInWater, ContamFd[2]),  // 40
    RESULT("%s WC Particulate Fraction in Water Column: \n%g\n", ResultsOf::Organic, 2, ResultsKind::ParticulateInWater, ContamFp[2]),  // 41
    RESULT("%s Dissolved Fraction in Pore Water: \n%g\n", ResultsOf::Organic, 2, ResultsKind::DissolvedInPoreWater, ContamFdp[2]),  // 42
    RESULT("%s Dissolved Fraction in Water Column: \n%g\n", ResultsOf::Metal, 0, ResultsKind::DissolvedInWater, HMFd[0]),  // 43
    RESULT("%s Particulate Fraction in Water Column: \n%g\n", ResultsOf::Metal, 0, ResultsKind::ParticulateInWater, HMFp[0]),  // 44
    RESULT("%s Dissolved Fraction in Pore Water: \n%g\n", ResultsOf::Metal, 0, ResultsKind::DissolvedInPoreWater, HMFdp[0]),  // 45
    RESULT("%s Dissolved Fraction in Water Column: \n%g\n", ResultsOf::Metal, 1, ResultsKind::DissolvedInWater, HMFd[1]),  // 46
    RESULT("%s Particulate Fraction in Water Column: \n%g\n", ResultsOf::Metal, 1, ResultsKind::ParticulateInWater, HMFp[1]),  // 47
    RESULT("%s Dissolved Fraction in Pore Water: \n%g\n", ResultsOf::Metal, 1, ResultsKind::DissolvedInPoreWater, HMFdp[1]),  // 48
    RESULT("%s Dissolved Fraction in Water Column: \n%g\n", ResultsOf::Metal, 2, ResultsKind::DissolvedInWater, HMFd[2]),  // 49
    RESULT("%s Particulate Fraction in Water Column: \n%g\n", ResultsOf::Metal, 2, ResultsKind::ParticulateInWater, HMFp[2]),  // 50
    RESULT("%s Dissolved Fraction in Pore Water: \n%g\n\n", ResultsOf::Metal, 2, ResultsKind::DissolvedInPoreWater, HMFdp[2]),  // 51
    RECORD_REAL("Qi: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, Qi),  // 52
    RECORD_REAL("Ci: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, Ci),  // 53
    RECORD_REAL("C: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, C),  // 54
    RECORD_REAL("Cb: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, Cb),  // 55
    RECORD_REAL("Cd: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, Cd),  // 56
    RECORD_REAL("Cp: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, Cp),  // 57
    RECORD_REAL("Cdp: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, Cdp),  // 58
    RECORD_REAL("f_pw: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, f_pw),  // 59
    RECORD_REAL("f_dw: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, f_dw),  // 60
    RECORD_REAL("f_dp: \n%g\n\n", ResultsOf::Workings, 0, ResultsKind::Workings, f_dp),  // 61
    RECORD_REAL("Y[0]: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, Y[0]),  // 62
    RECORD_REAL("Y[1]: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, Y[1]),  // 63
    RECORD_REAL("Y[2]: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, Y[2]),  // 64
    RECORD_REAL("Y[3]: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, Y[3]),  // 65
    RECORD_REAL("Y[4]: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, Y[4]),  // 66
    RECORD_REAL("Y[5]: \n%g\n\n", ResultsOf::Workings, 0, ResultsKind::Workings, Y[5]),  // 67
    RECORD_REAL("Khm[0]: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, Khm[0]),  // 68
    RECORD_REAL("Khm[1]: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, Khm[1]),  // 69
    RECORD_REAL("Khm[2]: \n%g\n\n", ResultsOf::Workings, 0, ResultsKind::Workings, Khm[2]),  // 70
    RECORD_REAL("Korg[0]: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, Korg[0]),  // 71
    RECORD_REAL("Korg[1]: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, Korg[1]),  // 72
    RECORD_REAL("Korg[2]: \n%g\n\n", ResultsOf::Workings, 0, ResultsKind::Workings, Korg[2]),  // 73
    RECORD_REAL("ConKdw[0]: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, ConKdw[0]),  // 74
    RECORD_REAL("ConKdw[1]: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, ConKdw[1]),  // 75
    RECORD_REAL("ConKdw[2]: \n%g\n\n", ResultsOf::Workings, 0, ResultsKind::Workings, ConKdw[2]),  // 76
    RECORD_REAL("HMConKdw[0]: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, HMConKdw[0]),  // 77
    RECORD_REAL("HMConKdw[1]: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, HMConKdw[1]),  // 78
    RECORD_REAL("HMConKdw[2]: \n%g\n\n", ResultsOf::Workings, 0, ResultsKind::Workings, HMConKdw[2]),  // 79
    RECORD_REAL("fpw_l: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, fpw_l),  // 80
    RECORD_REAL("KtpH: \n%g\n\n", ResultsOf::Workings, 0, ResultsKind::Workings, KtpH),  // 81
    RECORD_REAL("Vr: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, Vr),  // 82
    RECORD_REAL("Vn: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, Vn),  // 83
    RECORD_REAL("SurfRhoB: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, SurfRhoB),  // 84
    RECORD_REAL("ActiveVb: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, ActiveVb),  // 85
    RECORD_REAL("Vb: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, Vb),  // 86
    RECORD_INT("Vb_entered: \n%i\n", ResultsOf::Workings, 0, ResultsKind::Workings, Vb_entered),  // 87
    RECORD_REAL("ActiveRhoB: \n%g\n", ResultsOf::Workings, 0, ResultsKind::Workings, ActiveRhoB),  // 88
    RECORD_INT("ARhoB_entered: \n%i\n\n", ResultsOf::Workings, 0, ResultsKind::Workings, ARhoB_entered),  // 89
    RESULT("%s Conc (mg/kg): \n%g\n", ResultsOf::Organic, 0, ResultsKind::SedimentConcentration, ContamSedConc[0]),  // 90
    RESULT("%s Conc (mg/kg): \n%g\n", ResultsOf::Organic, 1, ResultsKind::SedimentConcentration, ContamSedConc[1]),  // 91
    RESULT("%s Conc (mg/kg): \n%g\n\n", ResultsOf::Organic, 2, ResultsKind::SedimentConcentration, ContamSedConc[2]),  // 92
    RESULT("%s Conc (mg/kg): \n%g\n", ResultsOf::Metal, 0, ResultsKind::SedimentConcentration, HMSedConc[0]),  // 93
    RESULT("%s Conc (mg/kg): \n%g\n", ResultsOf::Metal, 1, ResultsKind::SedimentConcentration, HMSedConc[1]),  // 94
    RESULT("%s Conc (mg/kg): \n%g\n\n", ResultsOf::Metal, 2, ResultsKind::SedimentConcentration, HMSedConc[2]),  // 95
};
// clang-format on

const char* ResultsEntryName(const ProjectRecord& r, const ResultsEntry& e) {
    switch (e.of) {
        case ResultsOf::Organic: return OrganicSlot(r, e.index).name;
        case ResultsOf::Metal: return MetalSlot(r, e.index).name;
        case ResultsOf::Conventional:
        case ResultsOf::Workings: return nullptr;
    }
    return nullptr;
}

std::optional<std::size_t> FindResultsEntry(ResultsOf of, int index, ResultsKind kind) {
    for (std::size_t i = 0; i < kResultsEntryCount; ++i) {
        const ResultsEntry& e = kResultsEntries[i];
        if (e.of == of && e.index == index && e.kind == kind) return i;
    }
    return std::nullopt;
}

const ResultsEntry& ResultsEntryFor(ResultsOf of, int index, ResultsKind kind) {
    const std::optional<std::size_t> found = FindResultsEntry(of, index, kind);
    if (!found) std::abort();  // a result the file does not hold
    return kResultsEntries[*found];
}

bool EndsGroup(const ResultsEntry& e) {
    const std::size_t n = std::strlen(e.format);
    return n >= 2 && e.format[n - 1] == '\n' && e.format[n - 2] == '\n';
}

namespace {

template <typename T, typename Base>
T& At(Base& base, std::size_t offset) {
    return *reinterpret_cast<T*>(reinterpret_cast<char*>(&base) + offset);
}

}  // namespace

double ResultsValue(const ProjectRecord& r, const ModelResults& m, const ResultsEntry& e) {
    auto& record = const_cast<ProjectRecord&>(r);
    auto& results = const_cast<ModelResults&>(m);
    switch (e.source) {
        case ResultsSource::RecordReal: return At<double>(record, e.offset);
        case ResultsSource::RecordInt: return At<std::int32_t>(record, e.offset);
        case ResultsSource::Results: return At<double>(results, e.offset);
    }
    return 0;
}

double& ComputedResult(ModelResults& m, const ResultsEntry& e) {
    if (e.source != ResultsSource::Results) std::abort();  // the value lives in the record
    return At<double>(m, e.offset);
}

}  // namespace velmar
