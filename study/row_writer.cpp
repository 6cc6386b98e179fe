#include "study/row_writer.h"

#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>

namespace velmar::study {
namespace {

// Below this every whole number is a double exactly.
constexpr double kExactIntegers = 9007199254740992.0;

class CsvWriter : public RowWriter {
public:
    CsvWriter(std::ostream& out, const std::vector<std::string>& columns) : out_(out) {
        std::string line;
        for (const std::string& c : columns) line += (line.empty() ? "" : ",") + CsvField(c);
        out_ << line << '\n';
    }

    std::string RowText(const std::vector<Cell>& cells) const override {
        std::string line;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i != 0) line += ',';
            if (const auto* text = std::get_if<std::string>(&cells[i])) {
                line += CsvField(*text);
            } else {
                line += NumberText(std::get<double>(cells[i]));
            }
        }
        return line;
    }

    void Write(const std::string& row) override { out_ << row << '\n'; }

    void Finish() override { out_.flush(); }

private:
    std::ostream& out_;
};

// Not-a-number and infinite values have no JSON form: they are written as null. Whole
// numbers (counts, sample numbers) are written without a fraction.
class JsonWriter : public RowWriter {
public:
    JsonWriter(std::ostream& out, std::vector<std::string> columns)
        : out_(out), columns_(std::move(columns)) {
        out_ << '[';
    }

    std::string RowText(const std::vector<Cell>& cells) const override {
        nlohmann::ordered_json row = nlohmann::ordered_json::object();
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (const auto* text = std::get_if<std::string>(&cells[i])) {
                row[columns_[i]] = *text;
            } else {
                const double x = std::get<double>(cells[i]);
                if (!std::isfinite(x)) {
                    row[columns_[i]] = nullptr;
                } else if (x == std::trunc(x) && std::abs(x) < kExactIntegers) {
                    row[columns_[i]] = static_cast<std::int64_t>(x);
                } else {
                    row[columns_[i]] = x;
                }
            }
        }
        return row.dump();
    }

    void Write(const std::string& row) override {
        out_ << (first_ ? "\n" : ",\n") << row;
        first_ = false;
    }

    void Finish() override { out_ << (first_ ? "]\n" : "\n]\n") << std::flush; }

private:
    std::ostream& out_;
    std::vector<std::string> columns_;
    bool first_ = true;
};

}  // namespace

std::unique_ptr<RowWriter> MakeRowWriter(Format format, std::ostream& out, std::vector<std::string> columns) {
    if (format == Format::Json) return std::make_unique<JsonWriter>(out, std::move(columns));
    return std::make_unique<CsvWriter>(out, columns);
}

}  // namespace velmar::study
