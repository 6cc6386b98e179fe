// Suggestions for a misspelt name: the known names closest to it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmar::study {

// Up to `count` of the known names nearest to `name` by edit distance, ignoring case,
// nearest first (ties in the order given); none for a name far longer than any known one.
std::vector<std::string> NearestNames(std::string_view name, const std::vector<std::string_view>& known,
                                      std::size_t count = 3);

// "unknown KIND 'NAME'; nearest: A, B, C"
std::string UnknownNameMessage(std::string_view kind, std::string_view name,
                               const std::vector<std::string_view>& known);

}  // namespace velmar::study
