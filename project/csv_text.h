// Numbers as text: for comma-separated files, written alike by the studies and the front end,
// and as the screens and printed reports show a computed value.
#pragma once

#include <string>

namespace velmar {

// A field as written: quoted (with its quotes doubled) only when it holds a comma, a quote
// or a line end.
std::string CsvField(const std::string& text);

// The shortest decimal form that reads back as the same double; "nan" for not-a-number.
std::string NumberText(double x);

// A computed value as the results screen, the printed report and the analysis windows show
// it: four significant digits, enough for a screening estimate and easy to read.
std::string ShownNumber(double x);

}  // namespace velmar
