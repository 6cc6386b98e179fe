#include "study/fields.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>

#include "study/derived_values.h"
#include "study/nearest_names.h"
#include "study/study_error.h"

namespace velmar::study {
namespace {

std::string Underscored(std::string_view label) {
    std::string name(label);
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
}

const FileEntry* FindByName(std::string_view name) {
    for (const FileEntry& e : kFileEntries) {
        if (name == e.label || name == Underscored(e.label)) return &e;
    }
    return nullptr;
}

// The label of a field's working copy: "Ktn_temp" for "Ktn", "Kds_temp[1]" for "Kds[1]".
std::string WorkingLabel(std::string_view label) {
    const std::size_t bracket = std::min(label.find('['), label.size());
    return std::string(label.substr(0, bracket)) + "_temp" + std::string(label.substr(bracket));
}

std::vector<std::string_view> NumberFieldNames() {
    std::vector<std::string_view> names;
    for (const FileEntry& e : kFileEntries) {
        if (e.kind != FieldKind::Name) names.emplace_back(e.label);
    }
    return names;
}

// The fields that cannot be below 0, by their labels without index or working-copy suffix.
// Left out: temperatures (Deg. C), the net settling and resuspension velocities (which the
// screens let go negative) and derived values that are no physical quantity.
// clang-format off
constexpr std::string_view kNotNegative[] = {
    // dimensions and hydraulics
    "detention_time", "length", "width", "volume", "area", "flow", "depth", "mean_velocity", "RatioLoW",
    "HydResidenceTime", "big_volume", "big_area", "big_depth", "big_length", "big_width", "Qi",
    "YearlyTPFlow",
    // rates and their temperature factors
    "tcb_decay_rate", "tcb_decay_rate20", "bod_decay_rate", "bod_decay_rate20", "tn_decay_rate",
    "tn_decay_rate20", "Ktn", "Kdn", "No3_TN_Ratio", "theta_tcb", "theta_bod", "theta_tn", "TSS removal rate",
    "bod_default_decay", "KtpH", "PhosRemRateAB", "PhosRemRateVB", "kd", "kv", "kdb", "Khm", "Korg",
    // sediment
    "Vs", "Vb", "Vd", "RhoB", "SSConc", "PartDiam", "SG", "ActiveVb", "ActiveRhoB", "ActivePhi", "SurfVb",
    "SurfRhoB", "SurfPhi", "DrySedDensity", "ActiveLayerThickness", "ActiveLayerBulkDensity",
    "MaximumPSorptionCapacity", "YearlyTPLoading", "DailyTPLoading", "UserSpecifiedWetlandAge",
    // contaminants: partitioning, transport, half-lives
    "Kds", "HMKds", "Kdw", "ConKdw", "HMConKdw", "f_oc", "Bedf_oc", "DOCH2o", "DOCBed",
    "MolecularDiffusivity", "HMMolecularDiffusivity", "WindSpeed", "Kow", "Henry", "Tau", "MW", "ConVd",
    "HMVd", "ConMD", "HMMD",
    // inflow concentrations
    "InflowingTPConc", "Ci", "TSSinConc", "TCBinConc", "BODinConc", "TNinConc", "TPinConc", "ContamInConc1",
    "ContamInConc2", "ContamInConc3", "HMInConc1", "HMInConc2", "HMInConc3",
};
// clang-format on

// "Kds" for "Kds[1]" and "Kds_temp[1]".
std::string_view Stem(std::string_view label) {
    label = label.substr(0, label.find('['));
    if (label.ends_with("_temp")) label.remove_suffix(5);
    return label;
}

bool Whole(double x) {
    return x >= std::numeric_limits<std::int32_t>::min() && x <= std::numeric_limits<std::int32_t>::max() &&
           x == std::trunc(x);
}

void Store(ProjectRecord& r, const FileEntry& e, double value) {
    if (e.kind == FieldKind::Int) {
        IntAt(r, e) = static_cast<std::int32_t>(std::lround(value));
    } else {
        RealAt(r, e) = value;
    }
}

void StoreAll(ProjectRecord& s, const std::vector<InputField>& fields, std::span<const double> values) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        Store(s, *fields[i].value, values[i]);
        if (fields[i].working) Store(s, *fields[i].working, values[i]);
    }
}

}  // namespace

bool Admits(const InputField& f, double value) {
    if (f.whole && !Whole(value)) return false;
    return std::isfinite(value) && !(f.not_negative && value < 0);
}

void CheckFieldRange(const InputField& f, double low, double high, const std::string& what) {
    if (f.not_negative && low < 0) throw StudyError(what + ": " + f.name + " cannot be below 0");
    if (f.whole && !(Whole(low) && Whole(high))) {
        throw StudyError(what + ": " + f.name + " takes whole numbers only, from -2147483648 to 2147483647");
    }
}

InputField FindInputField(std::string_view name) {
    const FileEntry* entry = FindByName(name);
    if (entry == nullptr) {
        throw StudyError(UnknownNameMessage("input field", name, NumberFieldNames()),
                         StudyErrorKind::UnknownName);
    }
    if (entry->kind == FieldKind::Name) {
        throw StudyError("input field '" + std::string(name) + "' holds a name, not a number",
                         StudyErrorKind::NotANumber);
    }
    const FileEntry* working = FindByName(WorkingLabel(entry->label));
    if (working != nullptr && working->kind != entry->kind) working = nullptr;
    const bool not_negative = std::find(std::begin(kNotNegative), std::end(kNotNegative),
                                        Stem(entry->label)) != std::end(kNotNegative);
    return {std::string(name), entry, working, entry->kind == FieldKind::Int, not_negative};
}

StudyInputs::StudyInputs(std::vector<InputField> fields) : fields_(std::move(fields)) {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (fields_[i].value == fields_[j].value) {
                throw StudyError("input field '" + fields_[i].name + "' is given more than once");
            }
        }
    }
    std::vector<const FileEntry*> varied;
    for (const InputField& f : fields_) varied.push_back(f.value);
    CheckVariedDimensions(varied);
    derives_ = std::any_of(varied.begin(), varied.end(), IsSystemProperty);
    scales_plan_ = ScalesPlan(varied);
}

void StudyInputs::Prepare(ProjectRecord& r) const {
    std::vector<const FileEntry*> varied;
    for (const InputField& f : fields_) varied.push_back(f.value);
    ChooseVariedDimensions(r, varied);
    if (derives_) AcceptSystemScreens(r);
}

bool StudyInputs::Admit(std::span<const double> values) const {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (!Admits(fields_[i], values[i])) return false;
    }
    return true;
}

void StudyInputs::Apply(ProjectRecord& s, std::span<const double> values) const {
    const double length_to_width = scales_plan_ && s.width > 0 ? s.length / s.width : 0;
    StoreAll(s, fields_, values);
    if (!derives_) return;
    if (scales_plan_) ScalePlan(s, length_to_width);
    AcceptSystemScreensAgain(s);
    // A derived value that is itself varied (the detention time beside the depth) keeps
    // the study's value, as a value typed over a suggestion does.
    StoreAll(s, fields_, values);
}

void SetInput(ProjectRecord& r, const InputField& field, double value) {
    const StudyInputs inputs({field});
    ProjectRecord changed = r;
    inputs.Prepare(changed);
    inputs.Apply(changed, std::span<const double>(&value, 1));
    CopyDimensionChoice(r, changed);
    r = changed;
}

}  // namespace velmar::study
