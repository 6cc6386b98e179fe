#include "project/results_layout.h"

#include <cstring>

namespace velmar {

// clang-format off
#define RECORD_REAL(format, name, field) \
    ResultsEntry{format, name, ResultsSource::RecordReal, offsetof(ProjectRecord, field), #field}
#define RECORD_INT(format, name, field) \
    ResultsEntry{format, name, ResultsSource::RecordInt, offsetof(ProjectRecord, field), #field}
#define RESULT(format, name, field) \
    ResultsEntry{format, name, ResultsSource::Results, offsetof(ModelResults, field), #field}

const std::array<ResultsEntry, kResultsEntryCount> kResultsEntries = {
    RECORD_REAL("TSS Removal Rate (/day): \n%g\n", ResultsName::None, TSS_removal_rate),  // 1
    RECORD_REAL("TCB Removal Rate (/day): \n%g\n", ResultsName::None, tcb_decay_rate),  // 2
    RECORD_REAL("BOD Removal Rate (/day): \n%g\n", ResultsName::None, bod_decay_rate),  // 3
    RECORD_REAL("TN Removal Rate (/day): \n%g\n", ResultsName::None, tn_decay_rate),  // 4
    RESULT("TP Removal Rate (/day): \n%g\n\n", ResultsName::None, tp_removal_rate),  // 5
    RESULT("RE TSS (%%): \n%g\n", ResultsName::None, RE_TSS),  // 6
    RESULT("RE TCB (%%): \n%g\n", ResultsName::None, RE_TCB),  // 7
    RESULT("RE BOD (%%): \n%g\n", ResultsName::None, RE_BOD),  // 8
    RESULT("RE TN (%%): \n%g\n", ResultsName::None, RE_TN),  // 9
    RESULT("RE TP (%%): \n%g\n\n", ResultsName::None, RE_TP),  // 10
    RESULT("%s Removal Rate (/day): \n%g\n", ResultsName::TauCompName1, ContamRemovalRate[0]),  // 11
    RESULT("%s Removal Rate (/day): \n%g\n", ResultsName::TauCompName2, ContamRemovalRate[1]),  // 12
    RESULT("%s Removal Rate (/day): \n%g\n\n", ResultsName::TauCompName3, ContamRemovalRate[2]),  // 13
    RESULT("RE %s (%%): \n%g\n", ResultsName::TauCompName1, RE_Contam[0]),  // 14
    RESULT("RE %s (%%): \n%g\n", ResultsName::TauCompName2, RE_Contam[1]),  // 15
    RESULT("RE %s (%%): \n%g\n\n", ResultsName::TauCompName3, RE_Contam[2]),  // 16
    RESULT("%s Removal Rate (/day): \n%g\n", ResultsName::HMName1, ContamRemovalRate[3]),  // 17
    RESULT("%s Removal Rate (/day): \n%g\n", ResultsName::HMName2, ContamRemovalRate[4]),  // 18
    RESULT("%s Removal Rate (/day): \n%g\n\n", ResultsName::HMName3, ContamRemovalRate[5]),  // 19
    RESULT("RE %s (%%): \n%g\n", ResultsName::HMName1, RE_Contam[3]),  // 20
    RESULT("RE %s (%%): \n%g\n", ResultsName::HMName2, RE_Contam[4]),  // 21
    RESULT("RE %s (%%): \n%g\n\n", ResultsName::HMName3, RE_Contam[5]),  // 22
    RESULT("TSS Conc (out) (mg/L): \n%g\n", ResultsName::None, TSSoutConc),  // 23
    RESULT("TCB Conc (out) (mg/L): \n%g\n", ResultsName::None, TCBoutConc),  // 24
    RESULT("BOD Conc (out) (mg/L): \n%g\n", ResultsName::None, BODoutConc),  // 25
    RESULT("TN Conc (out) (mg/L): \n%g\n", ResultsName::None, TNoutConc),  // 26
    RESULT("TP Conc (out) (mg/L): \n%g\n\n", ResultsName::None, TPoutConc),  // 27
    RESULT("%s Conc (out) (mg/L): \n%g\n", ResultsName::TauCompName1, ContamOutConc[0]),  // 28
    RESULT("%s Conc (out) (mg/L): \n%g\n", ResultsName::TauCompName2, ContamOutConc[1]),  // 29
    RESULT("%s Conc (out) (mg/L): \n%g\n\n", ResultsName::TauCompName3, ContamOutConc[2]),  // 30
    RESULT("%s Conc (out) (mg/L): \n%g\n", ResultsName::HMName1, HMOutConc[0]),  // 31
    RESULT("%s Conc (out) (mg/L): \n%g\n", ResultsName::HMName2, HMOutConc[1]),  // 32
    RESULT("%s Conc (out) (mg/L): \n%g\n\n", ResultsName::HMName3, HMOutConc[2]),  // 33
    RESULT("%s Dissolved Fraction in Water Column: \n%g\n", ResultsName::TauCompName1, ContamFd[0]),  // 34
    RESULT("%s Particulate Fraction in Water Column: \n%g\n", ResultsName::TauCompName1, ContamFp[0]),  // 35
    RESULT("%s Dissolved Fraction in Pore Water: \n%g\n", ResultsName::TauCompName1, ContamFdp[0]),  // 36
    RESULT("%s WC Dissolved Fraction in Water Column: \n%g\n", ResultsName::TauCompName2, ContamFd[1]),  // 37
    RESULT("%s WC Particulate Fraction in Water Column: \n%g\n", ResultsName::TauCompName2, ContamFp[1]),  // 38
    RESULT("%s Dissolved Fraction in Pore Water: \n%g\n", ResultsName::TauCompName2, ContamFdp[1]),  // 39
    RESULT("%s WC Dissolved Fraction in Water Column: \n%g\n", ResultsName::TauCompName3, ContamFd[2]),  // 40
    RESULT("%s WC Particulate Fraction in Water Column: \n%g\n", ResultsName::TauCompName3, ContamFp[2]),  // 41
    RESULT("%s Dissolved Fraction in Pore Water: \n%g\n", ResultsName::TauCompName3, ContamFdp[2]),  // 42
    RESULT("%s Dissolved Fraction in Water Column: \n%g\n", ResultsName::HMName1, HMFd[0]),  // 43
    RESULT("%s Particulate Fraction in Water Column: \n%g\n", ResultsName::HMName1, HMFp[0]),  // 44
    RESULT("%s Dissolved Fraction in Pore Water: \n%g\n", ResultsName::HMName1, HMFdp[0]),  // 45
    RESULT("%s Dissolved Fraction in Water Column: \n%g\n", ResultsName::HMName2, HMFd[1]),  // 46
    RESULT("%s Particulate Fraction in Water Column: \n%g\n", ResultsName::HMName2, HMFp[1]),  // 47
    RESULT("%s Dissolved Fraction in Pore Water: \n%g\n", ResultsName::HMName2, HMFdp[1]),  // 48
    RESULT("%s Dissolved Fraction in Water Column: \n%g\n", ResultsName::HMName3, HMFd[2]),  // 49
    RESULT("%s Particulate Fraction in Water Column: \n%g\n", ResultsName::HMName3, HMFp[2]),  // 50
    RESULT("%s Dissolved Fraction in Pore Water: \n%g\n\n", ResultsName::HMName3, HMFdp[2]),  // 51
    RECORD_REAL("Qi: \n%g\n", ResultsName::None, Qi),  // 52
    RECORD_REAL("Ci: \n%g\n", ResultsName::None, Ci),  // 53
    RECORD_REAL("C: \n%g\n", ResultsName::None, C),  // 54
    RECORD_REAL("Cb: \n%g\n", ResultsName::None, Cb),  // 55
    RECORD_REAL("Cd: \n%g\n", ResultsName::None, Cd),  // 56
    RECORD_REAL("Cp: \n%g\n", ResultsName::None, Cp),  // 57
    RECORD_REAL("Cdp: \n%g\n", ResultsName::None, Cdp),  // 58
    RECORD_REAL("f_pw: \n%g\n", ResultsName::None, f_pw),  // 59
    RECORD_REAL("f_dw: \n%g\n", ResultsName::None, f_dw),  // 60
    RECORD_REAL("f_dp: \n%g\n\n", ResultsName::None, f_dp),  // 61
    RECORD_REAL("Y[0]: \n%g\n", ResultsName::None, Y[0]),  // 62
    RECORD_REAL("Y[1]: \n%g\n", ResultsName::None, Y[1]),  // 63
    RECORD_REAL("Y[2]: \n%g\n", ResultsName::None, Y[2]),  // 64
    RECORD_REAL("Y[3]: \n%g\n", ResultsName::None, Y[3]),  // 65
    RECORD_REAL("Y[4]: \n%g\n", ResultsName::None, Y[4]),  // 66
    RECORD_REAL("Y[5]: \n%g\n\n", ResultsName::None, Y[5]),  // 67
    RECORD_REAL("Khm[0]: \n%g\n", ResultsName::None, Khm[0]),  // 68
    RECORD_REAL("Khm[1]: \n%g\n", ResultsName::None, Khm[1]),  // 69
    RECORD_REAL("Khm[2]: \n%g\n\n", ResultsName::None, Khm[2]),  // 70
    RECORD_REAL("Korg[0]: \n%g\n", ResultsName::None, Korg[0]),  // 71
    RECORD_REAL("Korg[1]: \n%g\n", ResultsName::None, Korg[1]),  // 72
    RECORD_REAL("Korg[2]: \n%g\n\n", ResultsName::None, Korg[2]),  // 73
    RECORD_REAL("ConKdw[0]: \n%g\n", ResultsName::None, ConKdw[0]),  // 74
    RECORD_REAL("ConKdw[1]: \n%g\n", ResultsName::None, ConKdw[1]),  // 75
    RECORD_REAL("ConKdw[2]: \n%g\n\n", ResultsName::None, ConKdw[2]),  // 76
    RECORD_REAL("HMConKdw[0]: \n%g\n", ResultsName::None, HMConKdw[0]),  // 77
    RECORD_REAL("HMConKdw[1]: \n%g\n", ResultsName::None, HMConKdw[1]),  // 78
    RECORD_REAL("HMConKdw[2]: \n%g\n\n", ResultsName::None, HMConKdw[2]),  // 79
    RECORD_REAL("fpw_l: \n%g\n", ResultsName::None, fpw_l),  // 80
    RECORD_REAL("KtpH: \n%g\n\n", ResultsName::None, KtpH),  // 81
    RECORD_REAL("Vr: \n%g\n", ResultsName::None, Vr),  // 82
    RECORD_REAL("Vn: \n%g\n", ResultsName::None, Vn),  // 83
    RECORD_REAL("SurfRhoB: \n%g\n", ResultsName::None, SurfRhoB),  // 84
    RECORD_REAL("ActiveVb: \n%g\n", ResultsName::None, ActiveVb),  // 85
    RECORD_REAL("Vb: \n%g\n", ResultsName::None, Vb),  // 86
    RECORD_INT("Vb_entered: \n%i\n", ResultsName::None, Vb_entered),  // 87
    RECORD_REAL("ActiveRhoB: \n%g\n", ResultsName::None, ActiveRhoB),  // 88
    RECORD_INT("ARhoB_entered: \n%i\n\n", ResultsName::None, ARhoB_entered),  // 89
    RESULT("%s Conc (mg/kg): \n%g\n", ResultsName::TauCompName1, ContamSedConc[0]),  // 90
    RESULT("%s Conc (mg/kg): \n%g\n", ResultsName::TauCompName2, ContamSedConc[1]),  // 91
    RESULT("%s Conc (mg/kg): \n%g\n\n", ResultsName::TauCompName3, ContamSedConc[2]),  // 92
    RESULT("%s Conc (mg/kg): \n%g\n", ResultsName::HMName1, HMSedConc[0]),  // 93
    RESULT("%s Conc (mg/kg): \n%g\n", ResultsName::HMName2, HMSedConc[1]),  // 94
    RESULT("%s Conc (mg/kg): \n%g\n\n", ResultsName::HMName3, HMSedConc[2]),  // 95
};
// clang-format on

const char* ResultsEntryName(const ProjectRecord& r, const ResultsEntry& e) {
    switch (e.name) {
        case ResultsName::None: return nullptr;
        case ResultsName::TauCompName1: return r.TauCompName1;
        case ResultsName::TauCompName2: return r.TauCompName2;
        case ResultsName::TauCompName3: return r.TauCompName3;
        case ResultsName::HMName1: return r.HMName1;
        case ResultsName::HMName2: return r.HMName2;
        case ResultsName::HMName3: return r.HMName3;
    }
    return nullptr;
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

}  // namespace velmar
