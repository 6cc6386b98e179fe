#include "study/record_table.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <span>

#include "project/file_names.h"
#include "project/units.h"
#include "study/study_error.h"

namespace velmar::study {
namespace {

namespace u = velmar::units;

// A unit of a column, and how its values convert to the field's own.
struct Unit {
    std::string_view name;
    double scale = 1;
    double shift = 0;
};

constexpr Unit kFlowUnits[] = {
    {"m3/s"},
    {"m3/d", 1 / u::kSecondsPerDay},
    {"L/s", 1 / u::kLitresPerCubicMetre},
    {"cfs", u::kCubicMetresPerCubicFoot},
    {"MGD", u::kCubicMetresPerMillionUsGallons / u::kSecondsPerDay},
    {"acre-ft/d", u::kCubicMetresPerAcreFoot / u::kSecondsPerDay},
};
constexpr Unit kTemperatureUnits[] = {{"C"},
                                      {"F", u::kCelsiusPerFahrenheitDegree, -u::kFahrenheitAtZeroCelsius}};
constexpr Unit kConcentrationUnits[] = {{"mg/L"}, {"ug/L", u::kMilligramsPerMicrogram}};
constexpr Unit kColiformUnits[] = {{"MPN/100mL"}};
constexpr Unit kLengthUnits[] = {{"m"}, {"ft", u::kMetresPerFoot}};
constexpr Unit kAreaUnits[] = {{"m2"}, {"ha", u::kSquareMetresPerHectare}, {"acre", u::kSquareMetresPerAcre}};

// The fields that take units other than their own, by label; the first unit is the field's own.
struct Quantity {
    std::string_view label;
    std::span<const Unit> units;
};
constexpr Quantity kQuantities[] = {
    {"flow", kFlowUnits},
    {"temperature", kTemperatureUnits},
    {"depth", kLengthUnits},
    {"length", kLengthUnits},
    {"width", kLengthUnits},
    {"area", kAreaUnits},
    {"TCBinConc", kColiformUnits},
    {"TSSinConc", kConcentrationUnits},
    {"BODinConc", kConcentrationUnits},
    {"TNinConc", kConcentrationUnits},
    {"TPinConc", kConcentrationUnits},
    {"InflowingTPConc", kConcentrationUnits},
    {"ContamInConc1", kConcentrationUnits},
    {"ContamInConc2", kConcentrationUnits},
    {"ContamInConc3", kConcentrationUnits},
    {"HMInConc1", kConcentrationUnits},
    {"HMInConc2", kConcentrationUnits},
    {"HMInConc3", kConcentrationUnits},
};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

std::string Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

// The cells of a line: separated by commas, a cell in double quotes holding commas and doubled
// quotes as a spreadsheet writes them.
std::vector<std::string> SplitLine(std::string_view line, std::size_t row) {
    std::vector<std::string> cells;
    std::size_t at = 0;
    while (true) {
        std::string cell;
        const std::size_t start = line.find_first_not_of(" \t", at);
        if (start != std::string_view::npos && line[start] == '"') {
            std::size_t i = start + 1;
            while (true) {
                const std::size_t quote = line.find('"', i);
                if (quote == std::string_view::npos)
                    throw StudyError("row " + std::to_string(row) + ": a quoted cell is not closed");
                cell.append(line.substr(i, quote - i));
                if (quote + 1 < line.size() && line[quote + 1] == '"') {
                    cell += '"';
                    i = quote + 2;
                    continue;
                }
                at = quote + 1;
                break;
            }
            const std::size_t comma = std::min(line.find(',', at), line.size());
            if (!Trimmed(line.substr(at, comma - at)).empty())
                throw StudyError("row " + std::to_string(row) + ": text follows a quoted cell");
            cells.push_back(cell);
            at = comma;
        } else {
            const std::size_t comma = std::min(line.find(',', at), line.size());
            cells.push_back(Trimmed(line.substr(at, comma - at)));
            at = comma;
        }
        if (at == line.size()) return cells;
        ++at;  // past the comma
    }
}

RecordColumn ColumnOf(const std::string& heading) {
    const std::size_t open = heading.find('[');
    if (open == std::string::npos || heading.back() != ']') return {heading, {}};
    return {Trimmed(std::string_view(heading).substr(0, open)),
            Trimmed(std::string_view(heading).substr(open + 1, heading.size() - open - 2))};
}

// Whole digits of a date, exactly `count` of them, at `at` of `text`.
bool Digits(std::string_view text, std::size_t at, std::size_t count, int& value) {
    if (at + count > text.size()) return false;
    value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

bool LeapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && LeapYear(y) ? 29 : kDays[m - 1];
}

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar (counted in eras of
// 400 years, which repeat exactly).
std::int64_t DaysSinceEpoch(int y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t year_of_era = y - era * 400;
    const std::int64_t day_of_year = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
    return era * 146097 + day_of_era - 719468;
}

}  // namespace

RecordTable::RecordTable(std::istream& in) : in_(in) {
    std::string header;
    if (!std::getline(in_, header)) throw StudyError("row 1: the record is empty: no header row");
    if (header.starts_with("\xEF\xBB\xBF")) header.erase(0, 3);  // the byte-order mark some programs write
    for (const std::string& heading : SplitLine(header, 1)) {
        columns_.push_back(ColumnOf(heading));
        if (columns_.back().name.empty())
            throw StudyError("row 1, column " + std::to_string(columns_.size()) + ": the heading is empty");
    }
}

bool RecordTable::Next(std::vector<std::string>& cells) {
    std::string line;
    do {
        if (!std::getline(in_, line)) return false;
        ++row_;
    } while (Trimmed(line).empty());
    cells = SplitLine(line, row_);
    if (cells.size() != columns_.size()) {
        throw StudyError("row " + std::to_string(row_) + ": " + std::to_string(cells.size()) +
                         " cells where the header has " + std::to_string(columns_.size()) + " columns");
    }
    return true;
}

std::string RecordTable::Where(std::size_t column) const {
    return "row " + std::to_string(row_) + ", column " + std::to_string(column + 1) + " (" +
           columns_[column].name + ")";
}

std::unique_ptr<std::istream> OpenRecordFile(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path file = PathFromText(path);
    const std::filesystem::file_status status = std::filesystem::status(file, ec);
    if (std::filesystem::is_directory(status))
        throw StudyError(path + ": is a folder, not a record", StudyErrorKind::File);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        throw StudyError(path + ": not a record (a device, a pipe or the like, not a file)",
                         StudyErrorKind::File);
    }
    auto in = std::make_unique<std::ifstream>(file, std::ios::binary);
    if (!*in) throw StudyError(path + ": " + std::strerror(errno), StudyErrorKind::File);
    return in;
}

UnitConversion FieldUnit(const InputField& field, std::string_view unit, const std::string& where) {
    const std::string_view label = field.value->label;
    const auto quantity = std::find_if(std::begin(kQuantities), std::end(kQuantities),
                                       [&](const Quantity& q) { return q.label == label; });
    if (quantity == std::end(kQuantities)) {
        if (unit.empty()) return {};
        throw StudyError(where + ": unknown unit '" + std::string(unit) + "'; " + field.name +
                             " is read in the project's own unit, with none given",
                         StudyErrorKind::UnknownName);
    }
    if (unit.empty()) return {};
    std::string names;
    for (const Unit& candidate : quantity->units) {
        if (SameIgnoringCase(candidate.name, unit)) return {candidate.scale, candidate.shift};
        names += (names.empty() ? "" : ", ") + std::string(candidate.name);
    }
    throw StudyError(where + ": unknown unit '" + std::string(unit) + "'; " + field.name + " takes " + names,
                     StudyErrorKind::UnknownName);
}

bool IsInflowConcentration(const InputField& field) {
    const std::string_view label = field.value->label;
    return std::any_of(std::begin(kQuantities), std::end(kQuantities), [&](const Quantity& q) {
        return q.label == label &&
               (q.units.data() == kConcentrationUnits || q.units.data() == kColiformUnits);
    });
}

RecordDate ParseRecordDate(std::string_view text, const std::string& where) {
    RecordDate date;
    int hour = 0, minute = 0, second = 0;
    const auto fail = [&]() -> RecordDate {
        throw StudyError(where + ": '" + std::string(text) +
                         "' is not a date of the form 2024-03-01 or 2024-03-01T06:00");
    };
    if (!Digits(text, 0, 4, date.year) || text.size() < 10 || text[4] != '-' ||
        !Digits(text, 5, 2, date.month) || text[7] != '-' || !Digits(text, 8, 2, date.day))
        return fail();
    if (text.size() > 10) {
        const bool seconds = text.size() == 19 && text[16] == ':' && Digits(text, 17, 2, second);
        if ((text.size() != 16 && !seconds) || text[10] != 'T' || !Digits(text, 11, 2, hour) ||
            text[13] != ':' || !Digits(text, 14, 2, minute))
            return fail();
    }
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > DaysInMonth(date.year, date.month) ||
        hour > 23 || minute > 59 || second > 59)
        return fail();
    date.seconds =
        DaysSinceEpoch(date.year, date.month, date.day) * u::kWholeSecondsPerDay +
        hour * u::kSecondsPerHour + minute * u::kSecondsPerMinute + second;
    return date;
}

}  // namespace velmar::study
