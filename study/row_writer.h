// Tables for programs: a header of column names, then rows, as CSV or as a JSON array of
// objects. Numbers are written in their shortest form that reads back exactly.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "project/csv_text.h"

namespace velmar::study {

enum class Format { Csv, Json, Table };

using Cell = std::variant<std::string, double>;

class RowWriter {
public:
    virtual ~RowWriter() = default;
    // A row's text, made apart from writing it so that any thread can make it.
    virtual std::string RowText(const std::vector<Cell>& cells) const = 0;
    // Writes rows made by RowText, in order.
    virtual void Write(const std::string& row) = 0;
    void Row(const std::vector<Cell>& cells) { Write(RowText(cells)); }
    // Closes the table; a JSON array is only complete once this is done.
    virtual void Finish() = 0;
};

// A writer for Format::Csv or Format::Json on `out`, the header written at once for CSV.
std::unique_ptr<RowWriter> MakeRowWriter(Format format, std::ostream& out, std::vector<std::string> columns);

}  // namespace velmar::study
