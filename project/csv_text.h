// Text for comma-separated files, written alike by the studies and the front end.
#pragma once

#include <string>

namespace velmar {

// A field as written: quoted (with its quotes doubled) only when it holds a comma, a quote
// or a line end.
std::string CsvField(const std::string& text);

// The shortest decimal form that reads back as the same double; "nan" for not-a-number.
std::string NumberText(double x);

}  // namespace velmar
