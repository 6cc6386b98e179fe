// The values of a results file, in the order of its entries.
#pragma once

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace velmar::testing {

// Each entry is a label line and a value line; empty lines close groups of entries.
inline std::vector<double> ResultsValues(const std::string& text) {
    std::vector<double> values;
    std::istringstream in(text);
    std::string label, value;
    while (std::getline(in, label)) {
        if (label.empty()) continue;
        std::getline(in, value);
        values.push_back(std::strtod(value.c_str(), nullptr));
    }
    return values;
}

}  // namespace velmar::testing
