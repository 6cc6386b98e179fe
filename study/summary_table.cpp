#include "study/summary_table.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "study/constituents.h"

namespace velmar::study {
namespace {

constexpr const char* kGap = "  ";

// A quantity of a constituent: its name in a column heading and in a row label, its unit.
struct QuantityKind {
    const char* column;
    const char* row;
    const char* unit;
    std::optional<std::size_t> ConstituentResults::*result;
};

constexpr QuantityKind kOptionalQuantities[] = {
    {"Outflow", "outflow", "mg/L", &ConstituentResults::outflow},
    {"Dissolved", "dissolved fraction", "", &ConstituentResults::dissolved},
    {"Particulate", "particulate fraction", "", &ConstituentResults::particulate},
    {"Pore dissolved", "pore water dissolved fraction", "", &ConstituentResults::pore_dissolved},
    {"Sediment", "sediment", "mg/kg", &ConstituentResults::sediment},
};

std::string Unit(const char* unit) {
    return unit[0] ? std::string("(") + unit + ")" : std::string();
}

}  // namespace

std::string ShortNumber(double x) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", x);
    return text;
}

void WriteAligned(std::ostream& out, const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], row[i].size());
    }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            const std::string pad(widths[i] - row[i].size(), ' ');
            line += i == 0 ? row[i] + pad : kGap + pad + row[i];
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    }
}

void WriteRunSummary(std::ostream& out, const std::string& heading, const ProjectRecord& r,
                     const ResultValues& v) {
    const std::vector<ConstituentResults> modelled = ModelledConstituents(r);
    out << heading << '\n';
    if (modelled.empty()) {
        out << "  no constituent is modelled\n\n";
        return;
    }
    std::vector<std::vector<std::string>> rows = {{"Constituent", "Removal rate", "RE"},
                                                  {"", "(/day)", "(%)"}};
    std::vector<const QuantityKind*> shown;
    for (const QuantityKind& q : kOptionalQuantities) {
        const bool any = std::any_of(modelled.begin(), modelled.end(),
                                     [&q](const ConstituentResults& c) { return (c.*q.result).has_value(); });
        if (!any) continue;
        shown.push_back(&q);
        rows[0].push_back(q.column);
        rows[1].push_back(Unit(q.unit));
    }
    for (const ConstituentResults& c : modelled) {
        std::vector<std::string> row = {c.name, ShortNumber(v[c.rate]), ShortNumber(v[c.efficiency])};
        for (const QuantityKind* q : shown)
            row.push_back((c.*q->result) ? ShortNumber(v[*(c.*q->result)]) : "-");
        rows.push_back(std::move(row));
    }
    WriteAligned(out, rows);
    out << '\n';
}

void WriteQuantitySummary(std::ostream& out, const std::string& heading, const ProjectRecord& r,
                          const std::vector<std::string>& columns,
                          const std::function<std::vector<std::string>(std::size_t result)>& cells) {
    out << heading << '\n';
    std::vector<std::vector<std::string>> rows = {{"Quantity"}};
    rows[0].insert(rows[0].end(), columns.begin(), columns.end());
    const auto add = [&](const std::string& label, std::size_t result) {
        std::vector<std::string> row = {label};
        for (std::string& cell : cells(result)) row.push_back(std::move(cell));
        rows.push_back(std::move(row));
    };
    for (const ConstituentResults& c : ModelledConstituents(r)) {
        add(c.name + " removal rate (/day)", c.rate);
        add(c.name + " RE (%)", c.efficiency);
        for (const QuantityKind& q : kOptionalQuantities) {
            if (c.*q.result)
                add(c.name + " " + q.row + (q.unit[0] ? " " + Unit(q.unit) : ""), *(c.*q.result));
        }
    }
    WriteAligned(out, rows);
    out << '\n';
}

}  // namespace velmar::study
