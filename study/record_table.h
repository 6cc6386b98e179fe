// A record: a CSV table of named columns, one row per line after a header row, each column's
// heading a name with, optionally, its unit in brackets ("flow [cfs]"). What a column means is
// the caller's to decide; this reads the cells, row by row, in bounded memory.
#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "study/fields.h"

namespace velmar::study {

struct RecordColumn {
    std::string name;
    std::string unit;  // as written between the brackets; empty when none is given
};

class RecordTable {
public:
    // Reads the header from `in`, which must outlive the table.
    explicit RecordTable(std::istream& in);

    const std::vector<RecordColumn>& columns() const { return columns_; }

    // The next row's cells, one per column, blanks around them taken off; false at the end.
    // A row whose cells do not match the header in number is refused.
    bool Next(std::vector<std::string>& cells);

    // The row last read as a spreadsheet numbers it: the header is row 1.
    std::size_t row() const { return row_; }

    // "row 5, column 2 (flow)": where a cell of the row last read lies, for messages.
    std::string Where(std::size_t column) const;

private:
    std::istream& in_;
    std::vector<RecordColumn> columns_;
    std::size_t row_ = 1;
};

// The record file at `path`, opened for reading; a folder, a device or a file that cannot be
// opened is refused, naming it and the reason.
std::unique_ptr<std::istream> OpenRecordFile(const std::string& path);

// A column's values in the unit of the field they go into: (value + shift) * scale.
struct UnitConversion {
    double scale = 1;
    double shift = 0;
    double ToField(double x) const { return (x + shift) * scale; }
};

// The conversion from a column's unit to its field's own (m3/s, Deg. C, mg/L, MPN/100 mL, m, m2);
// no unit is the field's own. A unit the field does not take is refused, with those it does,
// after `where`.
UnitConversion FieldUnit(const InputField& field, std::string_view unit, const std::string& where);

// Whether the field is an inflow concentration, which a period averages weighted by flow.
bool IsInflowConcentration(const InputField& field);

// A date and time of day, "2024-03-01" or "2024-03-01T06:00" (seconds may follow).
struct RecordDate {
    int year = 0, month = 0, day = 0;
    std::int64_t seconds = 0;  // since 1970-01-01T00:00, for durations
};

// The date a cell holds, or a StudyError after `where` quoting it with the forms taken.
RecordDate ParseRecordDate(std::string_view text, const std::string& where);

}  // namespace velmar::study
