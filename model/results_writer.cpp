#include "model/results_writer.h"

namespace velmar {

bool WriteResults(std::FILE* file, const ModelState& s) {
    for (const ResultsEntry& e : kResultsEntries) {
        const double value = ResultsValue(s, s, e);
        const char* name = ResultsEntryName(s, e);
        int written;
        if (e.source == ResultsSource::RecordInt) {
            const int v = static_cast<int>(value);
            written = name ? std::fprintf(file, e.format, name, v) : std::fprintf(file, e.format, v);
        } else {
            written = name ? std::fprintf(file, e.format, name, value) : std::fprintf(file, e.format, value);
        }
        if (written < 0) return false;
    }
    return std::fflush(file) == 0 && std::ferror(file) == 0;
}

}  // namespace velmar
