// The number fields' conversions. Any text: a valid one converts as the C library's strtod
// reads it (one too small for a double may be refused rather than read as zero), one that
// overflows is refused. Any finite value (the input's first eight bytes): the text shown for
// it is valid, reads back as the value to six significant digits, and shows the same again.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "interface/screens/framework/conventions.h"
#include "tests/fuzz/fuzz_support.h"

namespace velmar::fuzz {
namespace {

void CheckText(const std::string& text) {
    const std::optional<double> value = NumberTextValue(text);
    if (text.size() > kFieldTextLimit || !IsNumberText(text)) {
        Require(!value, "an invalid text converts:", text);
        return;
    }
    errno = 0;
    const double expected = std::strtod(text.c_str(), nullptr);
    if (std::isinf(expected)) {
        Require(!value, "an overflowing text converts:", text);
    } else if (expected == 0 && errno == ERANGE) {
        // Too small for a double: strtod gives zero, the field may refuse it as out of range.
        Require(!value || *value == 0, "an underflowing text converts to a non-zero value:", text);
    } else {
        Require(value && *value == expected, "a text converts unlike strtod:", text);
    }
}

void CheckShown(double value) {
    if (!std::isfinite(value)) return;
    const std::string shown = FormatNumberText(value);
    Require(shown.size() <= kFieldTextLimit && IsNumberText(shown), "shown text is not valid:", shown);
    const std::optional<double> back = NumberTextValue(shown);
    Require(back && *back == AsPrinted(value, "%g"), "shown text reads back wrong:", shown);
    Require(FormatNumberText(*back) == shown, "shown text changes when shown again:", shown);
}

}  // namespace
}  // namespace velmar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmar::fuzz;
    CheckText(std::string(reinterpret_cast<const char*>(data), size));
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        CheckShown(value);
    }
    return 0;
}
