#include "study/nearest_names.h"

#include <algorithm>
#include <cctype>
#include <numeric>

namespace velmar::study {
namespace {

// A name this much longer than every known one is no misspelling of any; comparing it
// would take time in proportion to its length, a long while for a name pasted by mistake.
constexpr std::size_t kLengthMargin = 8;

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// Insertions, deletions and substitutions that turn a into b.
std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t substituted = diagonal + (Lower(a[i - 1]) == Lower(b[j - 1]) ? 0 : 1);
            diagonal = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, substituted});
        }
    }
    return row[b.size()];
}

}  // namespace

std::vector<std::string> NearestNames(std::string_view name, const std::vector<std::string_view>& known,
                                      std::size_t count) {
    std::size_t longest = 0;
    for (const std::string_view k : known) longest = std::max(longest, k.size());
    if (name.size() > longest + kLengthMargin) return {};
    std::vector<std::pair<std::size_t, std::size_t>> ranked;  // distance, position in `known`
    for (std::size_t i = 0; i < known.size(); ++i) ranked.emplace_back(EditDistance(name, known[i]), i);
    std::stable_sort(ranked.begin(), ranked.end());
    std::vector<std::string> nearest;
    for (const auto& [distance, i] : ranked) {
        if (nearest.size() == count) break;
        if (std::find(nearest.begin(), nearest.end(), known[i]) == nearest.end())
            nearest.emplace_back(known[i]);
    }
    return nearest;
}

std::string UnknownNameMessage(std::string_view kind, std::string_view name,
                               const std::vector<std::string_view>& known) {
    std::string message = "unknown " + std::string(kind) + " '" + std::string(name) + "'";
    const std::vector<std::string> nearest = NearestNames(name, known);
    for (std::size_t i = 0; i < nearest.size(); ++i) message += (i == 0 ? "; nearest: " : ", ") + nearest[i];
    return message;
}

}  // namespace velmar::study
