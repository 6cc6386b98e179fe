// Writes the manual's table of default values and its glossary from the program itself:
// each default as a reset of the project record gives it, each screen label as the screens
// show it, each file label as the project file stores it. What the program cannot say — a
// field's symbol and unit, and whether the reference sheet (../shared/REFERENCES.md in the
// sources' parent folder) backs its default — stands in the table below, one row for every
// real field that has a default. A field given a default without a row here stops the build,
// so the tables cannot drift from the program.
//
//     velmar_record_tables DEFAULTS.md GLOSSARY.md
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "interface/screens/framework/registry.h"
#include "project/file_entries.h"
#include "project/record.h"

namespace velmar {
namespace {

// What the reference sheet says about a default.
enum class Backing {
    Backed,       // the sheet gives this value, with its source
    Within,       // the value lies in a range the sheet gives
    Outside,      // the sheet gives a range that leaves the value out
    Unsourced,    // the sheet has no source for such a value: the model's own default
    Placeholder,  // a contaminant value that only lets a new project run
    Internal,     // kept by the program, not a value the user enters
};

struct Described {
    const char* id;
    const char* symbol;  // as the equations of the technical basis write it; "" for none
    const char* unit;
    Backing backing;
    const char* note;         // the source or range that decides the backing
    const char* description;  // for a field no screen labels
};

// clang-format off
constexpr Described kDescribed[] = {
    {"length", "$L$", "m", Backing::Unsourced, "", ""},
    {"width", "$W$", "m", Backing::Unsourced, "", ""},
    {"volume", "$V$", "m³", Backing::Unsourced, "", ""},
    {"area", "$A$", "m²", Backing::Unsourced, "", ""},
    {"flow", "$Q$", "m³/s", Backing::Unsourced, "", ""},
    {"depth", "$h$", "m", Backing::Outside, "free water surface wetlands are under 1 m deep, 0.10 to 0.45 m (US EPA 2000; Compendium text)", ""},
    {"temperature", "$T$", "°C", Backing::Unsourced, "", ""},
    {"tcb_decay_rate20", "$k_{20}$", "/day", Backing::Backed, "0.8 /day, Mancini 1978 (textbook value)", ""},
    {"theta_tcb", "$\\theta$", "–", Backing::Backed, "1.07, Mancini 1978 (textbook value)", ""},
    {"bod_decay_rate20", "$k_{20}$", "/day", Backing::Unsourced, "computed from the depth H in feet as 2.3 H^−1.52^, 2.3 up to 1 ft and 0.2 from 5 ft; the sheet found no source for this form", ""},
    {"theta_bod", "$\\theta$", "–", Backing::Backed, "1.047, Van der Perk 2013", ""},
    {"Ktn", "$k_{TN}$", "/day or m/day", Backing::Unsourced, "", ""},
    {"tn_decay_rate20", "$k_{TN}$", "/day", Backing::Unsourced, "", "TN removal rate at 20 °C used by the run"},
    {"No3_TN_Ratio", "", "–", Backing::Unsourced, "the sheet found no typical nitrate/TN ratio of inflows", ""},
    {"Kdn", "$k_{dn}$", "/day", Backing::Within, "denitrification 0 to 1.0 /day in rivers (Van der Perk 2013)", ""},
    {"theta_tn", "$\\theta$", "–", Backing::Within, "nitrification θ 1.04 (Van der Perk 2013) to 1.08 (model literature)", ""},
    {"Vb", "$V_b$", "m/day", Backing::Outside, "burial 1.4e-5 to 2.7e-5 m/day, from accretion of 0.5 to 1.0 cm/yr (Fennessy et al. 1994)", "burial velocity used by the phosphorus equations"},
    {"ActiveVb", "$V_b$", "m/day", Backing::Outside, "burial 1.4e-5 to 2.7e-5 m/day, from accretion of 0.5 to 1.0 cm/yr (Fennessy et al. 1994)", ""},
    {"Vr", "$V_r$", "m/day", Backing::Unsourced, "the sheet found no typical resuspension velocities", "resuspension velocity"},
    {"RhoB", "$\\rho_b$", "g/L", Backing::Internal, "", "bulk density carried in the file"},
    {"SSConc", "$S$", "mg/L", Backing::Unsourced, "", ""},
    {"PartDiam", "$d$", "µm", Backing::Unsourced, "", ""},
    {"SG", "$SG$", "–", Backing::Backed, "mineral particle density 2650 g/L, a common default of sediment codes", ""},
    {"Vs", "$V_s$", "m/day", Backing::Unsourced, "the Stokes velocity of a mineral grain of about 1.1 µm at 20 °C (the sheet, from Stokes' law)", ""},
    {"Vn", "$V_n$", "m/day", Backing::Unsourced, "", "net settling velocity"},
    {"ActiveRhoB", "$\\rho_b$", "g/L", Backing::Outside, "dry bulk density of wetland soils 100 to 1000 g/L (upland soils 300 to 1500; Harris, University of Florida notes)", ""},
    {"ActivePhi", "$\\phi$", "–", Backing::Outside, "porosity about 0.6 to 0.96 for wetland soils (derived from Redding and Devito 2006 and Harris)", ""},
    {"SurfVb", "$V_a$", "cm/yr", Backing::Within, "accretion 0.5 to 1.0 cm/yr in constructed freshwater wetlands (Fennessy et al. 1994)", ""},
    {"SurfRhoB", "$\\rho_a$", "g/L", Backing::Within, "dry bulk density of wetland soils 100 to 1000 g/L (Harris, University of Florida notes)", ""},
    {"SurfPhi", "$\\phi_a$", "–", Backing::Within, "porosity about 0.6 to 0.96 for wetland soils", ""},
    {"DrySedDensity", "$\\rho_s$", "g/L", Backing::Within, "particle density of wetland organic soils and pond sediments 1430 to 2390 g/L (Redding and Devito 2006)", ""},
    {"ActiveLayerThickness", "$z$", "cm", Backing::Unsourced, "the sheet found no typical thickness of the active layer", ""},
    {"ActiveLayerBulkDensity", "$\\rho_a$", "g/L", Backing::Outside, "dry bulk density of wetland soils 100 to 1000 g/L (Harris, University of Florida notes)", ""},
    {"MaximumPSorptionCapacity", "$S_{max}$", "mg/g", Backing::Within, "Langmuir maxima from 0.06 (masonry sand; Forbes et al. 2004) to 8.9 mg/g (slag; Xu et al. 2006); reservoir sediments 0.62 to 0.83 (Fushi reservoir study)", ""},
    {"YearlyTPLoading", "$M$", "kg/yr", Backing::Unsourced, "", "yearly TP loading"},
    {"DailyTPLoading", "", "kg/day", Backing::Unsourced, "", ""},
    {"UserSpecifiedWetlandAge", "", "years", Backing::Unsourced, "", ""},
    {"YearlyTPFlow", "$Q_i$", "m³/s", Backing::Unsourced, "", ""},
    {"InflowingTPConc", "$C_i$", "mg/L", Backing::Unsourced, "", ""},
    {"Kdw", "$K_{dw}$", "L/g", Backing::Within, "Langmuir partition coefficients of phosphate on sediments 0.03 to 3.8 L/g", ""},
    {"Fpw", "$F_{pw}$", "–", Backing::Unsourced, "the sheet found no typical phosphorus fractions of inflows", ""},
    {"Fdw", "$F_{dw}$", "–", Backing::Unsourced, "the sheet found no typical phosphorus fractions of inflows", ""},
    {"fpw_l", "$f_{pw}$", "–", Backing::Unsourced, "the sheet found no typical phosphorus fractions of inflows", ""},
    {"fdw_l", "$f_{dw}$", "–", Backing::Unsourced, "the sheet found no typical phosphorus fractions of inflows", ""},
    {"f_i", "$f_i$", "–", Backing::Unsourced, "the sheet found no typical phosphorus fractions of inflows", ""},
    {"f_o", "$f_o$", "–", Backing::Unsourced, "the sheet found no typical phosphorus fractions of inflows", ""},
    {"f_ib", "$f_{ib}$", "–", Backing::Unsourced, "", ""},
    {"bonding_energy_constant", "$b$", "L/mg", Backing::Unsourced, "the sheet found no typical Langmuir bonding-energy constant", ""},
    {"PhosRemRateAB", "$k_A$", "m/day", Backing::Outside, "below the 30th percentile, 4.5 m/yr (0.012 m/day), of free water surface wetlands (Kadlec and Wallace 2009); the median of 37 large phosphorus-control wetlands is 12.5 m/yr (Kadlec 2016)", "specified TP removal rate, areal"},
    {"PhosRemRateVB", "$k$", "/day", Backing::Unsourced, "", "specified TP removal rate, volumetric"},
    {"Kds", "$K_{ds}$", "L/kg", Backing::Placeholder, "", ""},
    {"ConKdw", "$K_{dw}$", "L/kg", Backing::Placeholder, "", ""},
    {"HMKds", "$K_{ds}$", "L/kg", Backing::Placeholder, "", ""},
    {"HMConKdw", "$K_{dw}$", "L/kg", Backing::Placeholder, "", ""},
    {"f_oc", "$f_{oc}$", "–", Backing::Backed, "particulate organic carbon about 2 to 3 % of suspended sediment (Thurman 1985, at second hand)", ""},
    {"Bedf_oc", "$f_{oc}$", "–", Backing::Backed, "particulate organic carbon about 2 to 3 % of sediment (Thurman 1985, at second hand)", ""},
    {"DOCH2o", "$DOC$", "mg/L", Backing::Within, "rivers and lakes 2 to 10 mg/L; swamps, marshes and bogs 10 to 60 (Thurman 1985, at second hand)", ""},
    {"DOCBed", "$DOC$", "mg/L", Backing::Within, "rivers and lakes 2 to 10 mg/L; swamps, marshes and bogs 10 to 60 (Thurman 1985, at second hand)", ""},
    {"MolecularDiffusivity", "$D$", "m²/s", Backing::Placeholder, "", ""},
    {"HMMolecularDiffusivity", "$D$", "m²/s", Backing::Placeholder, "", ""},
    {"WindSpeed", "$U$", "m/s", Backing::Unsourced, "", ""},
    {"Kow", "$K_{ow}$", "L/kg", Backing::Placeholder, "", ""},
    {"Henry", "$H$", "atm m³/mol", Backing::Placeholder, "", ""},
    {"Tau", "$\\tau$", "days", Backing::Placeholder, "", ""},
    {"kd", "$k_d$", "/day", Backing::Placeholder, "", ""},
    {"kv", "$k_v$", "m/day", Backing::Placeholder, "", ""},
    {"kdb", "$k_{db}$", "/day", Backing::Placeholder, "", ""},
    {"MW", "$MW$", "g/mol", Backing::Placeholder, "", ""},
    {"ConVd", "$V_d$", "m/day", Backing::Internal, "", ""},
    {"HMVd", "$V_d$", "m/day", Backing::Internal, "", ""},
    {"ConMD", "", "m²/s", Backing::Internal, "", ""},
    {"HMMD", "", "m²/s", Backing::Internal, "", ""},
    {"temp_check", "", "°C", Backing::Internal, "", ""},
    {"TSSinConc", "$C_i$", "mg/L", Backing::Unsourced, "", ""},
    {"TCBinConc", "$C_i$", "MPN/100 mL", Backing::Unsourced, "", ""},
    {"BODinConc", "$C_i$", "mg/L", Backing::Unsourced, "", ""},
    {"TNinConc", "$C_i$", "mg/L", Backing::Unsourced, "", ""},
    {"TPinConc", "$C_i$", "mg/L", Backing::Unsourced, "", ""},
    {"ContamInConc1", "$C_i$", "mg/L", Backing::Unsourced, "", "inflow concentration of organic chemical 1"},
    {"ContamInConc2", "$C_i$", "mg/L", Backing::Unsourced, "", "inflow concentration of organic chemical 2"},
    {"ContamInConc3", "$C_i$", "mg/L", Backing::Unsourced, "", "inflow concentration of organic chemical 3"},
    {"HMInConc1", "$C_i$", "mg/L", Backing::Unsourced, "", "inflow concentration of heavy metal 1"},
    {"HMInConc2", "$C_i$", "mg/L", Backing::Unsourced, "", "inflow concentration of heavy metal 2"},
    {"HMInConc3", "$C_i$", "mg/L", Backing::Unsourced, "", "inflow concentration of heavy metal 3"},
};
// clang-format on

// A real field with a default, as the record declares it.
struct Defaulted {
    std::string_view id;
    std::string_view label;  // the file label of the field, or of a three-slot array's first slot
    bool array;
    std::string_view group;
};

bool HasDefault(std::string_view kind, std::string_view id, std::string_view group) {
    return kind == "REAL" && group != "Start" && group != "Entry" && !id.ends_with("_temp");
}

std::vector<Defaulted> DefaultedFields() {
    std::vector<Defaulted> fields;
#define VELMAR_LIST_FIELD(kind, id, label, value, group) \
    if (HasDefault(#kind, #id, #group)) fields.push_back({#id, label, false, #group});
#define VELMAR_LIST_ARRAY3(kind, id, value, group) \
    if (HasDefault(#kind, #id, #group)) fields.push_back({#id, #id "[0]", true, #group});
#define VELMAR_LIST_NOTHING(...)
    VELMAR_PROJECT_ENTRIES(VELMAR_LIST_FIELD, VELMAR_LIST_ARRAY3, VELMAR_LIST_NOTHING, VELMAR_LIST_NOTHING)
#undef VELMAR_LIST_FIELD
#undef VELMAR_LIST_ARRAY3
#undef VELMAR_LIST_NOTHING
    return fields;
}

const Described* Find(std::string_view id) {
    for (const Described& d : kDescribed) {
        if (d.id == id) return &d;
    }
    return nullptr;
}

// Text as Markdown shows it literally.
std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (std::string_view("\\`*_{}[]<>#+!|^~$").find(c) != std::string_view::npos) out += '\\';
        out += c;
    }
    return out;
}

// A label under which a screen shows a field.
struct ScreenLabel {
    std::string label;
    std::string caption;
};

// The labels under which the screens show the field, each once, with the first screen that
// shows it so.
// A screen that commits the field itself binds only its working copy.
std::vector<ScreenLabel> ScreenLabels(const Defaulted& f) {
    static ProjectRecord probe{};
    const auto at = [](const FileEntry* e) {
        return e == nullptr ? nullptr : reinterpret_cast<const char*>(&probe) + e->offset;
    };
    const char* field = at(FindEntry(std::string(f.label).c_str()));
    const std::string working = std::string(f.id) + "_temp" + (f.array ? "[0]" : "");
    const char* copy = at(FindEntry(working.c_str()));
    std::vector<ScreenLabel> labels;
    for (const DataScreen* screen : AllScreens()) {
        for (const Row& row : screen->rows) {
            if (row.kind != RowKind::Number) continue;
            const bool bound = row.real_value ? reinterpret_cast<const char*>(&row.real_value.In(probe, 0)) == field
                                              : reinterpret_cast<const char*>(&row.real.In(probe, 0)) == copy;
            if (!bound) continue;
            std::string label = row.label;
            while (!label.empty() && (label.back() == ':' || label.back() == ' ')) label.pop_back();
            bool known = label.empty();
            for (const ScreenLabel& l : labels) known = known || l.label == label;
            if (!known) labels.push_back({label, screen->caption});
        }
    }
    return labels;
}

std::string Joined(const std::vector<ScreenLabel>& labels) {
    std::string text;
    for (const ScreenLabel& l : labels) text += (text.empty() ? "" : "; ") + Escaped(l.label);
    return text;
}

std::string Value(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// The file labels of a field: "Kds[0] – Kds[2]" for a three-slot array.
std::string FileLabels(const Defaulted& f) {
    if (!f.array) return "`" + std::string(f.label) + "`";
    return "`" + std::string(f.id) + "[0]` – `" + std::string(f.id) + "[2]`";
}

// velmar-study takes a label with its blanks written as underscores.
std::string StudyNames(const Defaulted& f) {
    std::string name(f.array ? std::string(f.id) + "[k]" : std::string(f.label));
    for (char& c : name) {
        if (c == ' ') c = '_';
    }
    return "`" + name + "`";
}

std::string Verdict(const Described& d) {
    const std::string note = d.note;
    switch (d.backing) {
        case Backing::Backed: return "backed: " + note;
        case Backing::Within: return "within the sheet's range: " + note;
        case Backing::Outside: return "outside the sheet's range: " + note;
        case Backing::Unsourced: return note.empty() ? "the model's default" : "the model's default; " + note;
        case Backing::Placeholder: return "placeholder";
        case Backing::Internal: return "";
    }
    return "";
}

struct Section {
    const char* group;
    const char* heading;
};
constexpr Section kSections[] = {
    {"System", "System properties"},
    {"Reset", "Conventional constituents, sediment and inflow"},
    {"TP", "Total phosphorus"},
    {"Contaminant", "Organic chemicals and heavy metals (placeholders)"},
};

void WriteDefaults(std::ostream& out, const std::vector<Defaulted>& fields) {
    out << "## Default parameter values\n\n"
           "The values a new project starts with, and those Reset Defaults puts back, as the program "
           "itself holds them: this table is written from the program when the manual is made. The last "
           "column compares each value with the reference sheet of typical values that the help and this "
           "manual cite from: *backed* means the sheet gives this value with a published source; *within "
           "the sheet's range* that the value lies in a range the sheet gives; *outside the sheet's range* "
           "that the sheet gives a range that leaves the value out; *the model's default* that the sheet "
           "has no source for such a value, so the value is only a starting point. Enter site values "
           "wherever they are known.\n\n"
           "The contaminant defaults are placeholders: they let a new project run, and they are not "
           "data for any named chemical or metal. Enter the properties of the chemical or metal to be "
           "modelled.\n\n"
           "Flags and choices are left out, and so are the values the program keeps for itself.\n";
    for (const Section& section : kSections) {
        out << "\n### " << section.heading << "\n\n"
            << "| Parameter | Screen | Default | Unit | Reference sheet |\n|---|---|---|---|---|\n";
        for (const Defaulted& f : fields) {
            if (f.group != section.group) continue;
            const Described& d = *Find(f.id);
            if (d.backing == Backing::Internal) continue;
            const FileEntry& entry = *FindEntry(std::string(f.label).c_str());
            const std::vector<ScreenLabel> labels = ScreenLabels(f);
            const std::string name = labels.empty() ? Escaped(d.description) : Escaped(labels.front().label);
            const std::string screen = labels.empty() ? "–" : Escaped(labels.front().caption);
            out << "| " << name << " | " << screen << " | " << Value(RealAt(DefaultRecord(), entry)) << " | "
                << d.unit << " | " << Verdict(d) << " |\n";
        }
    }
}

void WriteGlossary(std::ostream& out, const std::vector<Defaulted>& fields) {
    out << "## Glossary of inputs\n\n"
           "Each input as the equations above write it, as the screens label it, as the project file "
           "stores it and as `velmar-study` names it (a three-slot array takes the slot in brackets, "
           "0 to 2: `Kds[1]` is the second chemical's). Written from the program when the manual is "
           "made.\n\n"
           "| Symbol | Screen labels | File label | `velmar-study` name | Unit |\n|---|---|---|---|---|\n";
    for (const Defaulted& f : fields) {
        const Described& d = *Find(f.id);
        if (d.backing == Backing::Internal) continue;
        const std::vector<ScreenLabel> labels = ScreenLabels(f);
        const std::string shown = labels.empty() ? "(" + Escaped(d.description) + ")" : Joined(labels);
        out << "| " << d.symbol << " | " << shown << " | " << FileLabels(f) << " | " << StudyNames(f) << " | "
            << d.unit << " |\n";
    }
}

}  // namespace
}  // namespace velmar

int main(int argc, char** argv) {
    using namespace velmar;
    if (argc != 3) {
        std::cerr << "usage: velmar_record_tables DEFAULTS.md GLOSSARY.md\n";
        return 2;
    }
    const std::vector<Defaulted> fields = DefaultedFields();
    bool complete = true;
    for (const Defaulted& f : fields) {
        if (Find(f.id) == nullptr || FindEntry(std::string(f.label).c_str()) == nullptr) {
            std::cerr << "velmar_record_tables: the default of " << f.id
                      << " has no row in docs/record_tables.cpp: give its symbol, unit and backing\n";
            complete = false;
        }
    }
    for (const Described& d : kDescribed) {
        bool defaulted = false;
        for (const Defaulted& f : fields) defaulted = defaulted || f.id == d.id;
        if (!defaulted) {
            std::cerr << "velmar_record_tables: " << d.id << " is described but has no default\n";
            complete = false;
        }
    }
    if (!complete) return 1;
    std::ofstream defaults(argv[1]);
    std::ofstream glossary(argv[2]);
    WriteDefaults(defaults, fields);
    WriteGlossary(glossary, fields);
    return defaults && glossary ? 0 : 1;
}
