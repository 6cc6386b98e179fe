#include "study/summary_table.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "study/constituents.h"

namespace velmar::study {
namespace {

constexpr const char* kGap = "  ";

// A quantity of a constituent: its name in a column heading and in a row label, its unit
// (none for the constituent's own concentration unit: coliforms are counted per 100 mL).
struct QuantityKind {
    const char* column;
    const char* row;
    const char* unit;
    std::optional<std::size_t> ConstituentResults::*result;
};

constexpr QuantityKind kOptionalQuantities[] = {
    {"Outflow", "outflow", nullptr, &ConstituentResults::outflow},
    {"Dissolved", "dissolved fraction", "", &ConstituentResults::dissolved},
    {"Particulate", "particulate fraction", "", &ConstituentResults::particulate},
    {"Pore dissolved", "pore water dissolved fraction", "", &ConstituentResults::pore_dissolved},
    {"Sediment", "sediment", "mg/kg", &ConstituentResults::sediment},
};

std::string UnitOf(const QuantityKind& q, const ConstituentResults& c) {
    return q.unit ? q.unit : c.unit;
}

std::string Unit(const std::string& unit) {
    return unit.empty() ? unit : "(" + unit + ")";
}

// A column of the run summary: its quantity, in the unit most of its values are in.
struct Column {
    const QuantityKind* quantity;
    std::string unit;
};

// The run summary's column of quantity q, when a modelled constituent has it.
std::optional<Column> ColumnOf(const QuantityKind& q, const std::vector<ConstituentResults>& modelled) {
    std::vector<std::string> units;
    for (const ConstituentResults& c : modelled) {
        if (c.*q.result) units.push_back(UnitOf(q, c));
    }
    if (units.empty()) return std::nullopt;
    const auto most = std::max_element(units.begin(), units.end(), [&units](const auto& a, const auto& b) {
        return std::count(units.begin(), units.end(), a) < std::count(units.begin(), units.end(), b);
    });
    return Column{&q, *most};
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
    std::vector<Column> shown;
    for (const QuantityKind& q : kOptionalQuantities) {
        const std::optional<Column> column = ColumnOf(q, modelled);
        if (!column) continue;
        shown.push_back(*column);
        rows[0].push_back(q.column);
        rows[1].push_back(Unit(column->unit));
    }
    std::vector<std::string> other_units;  // values not in their column's unit
    for (const ConstituentResults& c : modelled) {
        std::vector<std::string> row = {c.name, ShortNumber(v[c.rate]), ShortNumber(v[c.efficiency])};
        for (const Column& column : shown) {
            const QuantityKind& q = *column.quantity;
            row.push_back((c.*q.result) ? ShortNumber(v[*(c.*q.result)]) : "-");
            const std::string unit = UnitOf(q, c);
            if ((c.*q.result) && unit != column.unit)
                other_units.push_back(c.name + " " + q.row + " in " + unit + ".");
        }
        rows.push_back(std::move(row));
    }
    WriteAligned(out, rows);
    for (const std::string& note : other_units) out << note << '\n';
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
            if (!(c.*q.result)) continue;
            const std::string unit = UnitOf(q, c);
            add(c.name + " " + q.row + (unit.empty() ? "" : " " + Unit(unit)), *(c.*q.result));
        }
    }
    WriteAligned(out, rows);
    out << '\n';
}

}  // namespace velmar::study
