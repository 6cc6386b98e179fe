#include "study/derived_values.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "project/record.h"
#include "project/system_formulas.h"
#include "study/study_error.h"

namespace velmar::study {
namespace {

using R = ProjectRecord;

// A dimension, the flag that says it was chosen, and the dimensions it is chosen among.
struct Dimension {
    double R::*value;
    double R::*working;
    std::int32_t R::*chosen;
    std::int32_t R::*chosen_working;
    int set;  // 0: volume, area, depth; 1: length, width
};

constexpr Dimension kDimensions[] = {
    {&R::volume, &R::volume_temp, &R::checked_Volume, &R::checked_Volume_temp, 0},
    {&R::area, &R::area_temp, &R::checked_Area, &R::checked_Area_temp, 0},
    {&R::depth, &R::depth_temp, &R::checked_Depth, &R::checked_Depth_temp, 0},
    {&R::length, &R::length_temp, &R::checked_Length, &R::checked_Length_temp, 1},
    {&R::width, &R::width_temp, &R::checked_Width, &R::checked_Width_temp, 1},
};
constexpr const Dimension& kArea = kDimensions[1];
constexpr const Dimension& kDepth = kDimensions[2];
constexpr const Dimension& kLength = kDimensions[3];
constexpr const Dimension& kWidth = kDimensions[4];

// How many of each set can be chosen.
constexpr int kChosenInSet[] = {2, 1};

std::size_t OffsetOf(double R::*member) {
    static const R probe{};
    return static_cast<std::size_t>(reinterpret_cast<const char*>(&(probe.*member)) -
                                    reinterpret_cast<const char*>(&probe));
}

bool IsDimension(const FileEntry* field, const Dimension& d) {
    return field->offset == OffsetOf(d.value);
}

bool Varied(const std::vector<const FileEntry*>& varied, const Dimension& d) {
    return std::any_of(varied.begin(), varied.end(), [&d](const FileEntry* f) { return IsDimension(f, d); });
}

void Choose(R& r, const Dimension& d, bool chosen) {
    r.*d.chosen = r.*d.chosen_working = chosen ? 1 : 0;
}

// The dimensions and flow as entered again, and derived with `derive`; the suggestions accepted.
template <void (*derive)(R&)>
void Accept(R& r) {
    for (const Dimension& d : kDimensions) r.*d.working = r.*d.value;
    r.flow_temp = r.flow;
    FillUnchosenDimensions(r);
    for (const Dimension& d : kDimensions) r.*d.value = r.*d.working;
    derive(r);
    r.detention_time = r.detention_time_temp;
    r.mean_vel_cms = r.mean_vel_cms_temp;
    CommitMeanVelocity(r);
}

}  // namespace

bool IsSystemProperty(const FileEntry* field) {
    return field->offset == OffsetOf(&R::flow) ||
           std::any_of(std::begin(kDimensions), std::end(kDimensions),
                       [field](const Dimension& d) { return IsDimension(field, d); });
}

void CheckVariedDimensions(const std::vector<const FileEntry*>& varied) {
    int count[2] = {0, 0};
    for (const Dimension& d : kDimensions) count[d.set] += Varied(varied, d) ? 1 : 0;
    if (count[0] > kChosenInSet[0]) {
        throw StudyError("volume, area and depth cannot all be varied: any two of them fix the third");
    }
    if (count[1] > kChosenInSet[1]) {
        throw StudyError(
            "length and width cannot both be varied: either one and the plan area fix the other");
    }
}

void ChooseVariedDimensions(R& r, const std::vector<const FileEntry*>& varied) {
    for (int set = 0; set < 2; ++set) {
        std::vector<const Dimension*> chosen;
        for (const Dimension& d : kDimensions) {
            if (d.set == set && Varied(varied, d)) chosen.push_back(&d);
        }
        if (chosen.empty()) continue;
        if (set == 0 && chosen.size() == 1) chosen.push_back(chosen[0] == &kDepth ? &kArea : &kDepth);
        for (const Dimension& d : kDimensions) {
            if (d.set == set) Choose(r, d, std::find(chosen.begin(), chosen.end(), &d) != chosen.end());
        }
    }
}

void CopyDimensionChoice(const R& from, R& to) {
    for (const Dimension& d : kDimensions) {
        to.*d.chosen = from.*d.chosen;
        to.*d.chosen_working = from.*d.chosen_working;
    }
}

bool ScalesPlan(const std::vector<const FileEntry*>& varied) {
    return Varied(varied, kArea) && !Varied(varied, kLength) && !Varied(varied, kWidth);
}

void ScalePlan(R& r, double length_to_width) {
    if (!(length_to_width > 0) || !std::isfinite(length_to_width)) return;
    r.length = r.length_temp = std::sqrt(r.area * length_to_width);
    r.width = r.width_temp = std::sqrt(r.area / length_to_width);
}

void AcceptSystemScreens(R& r) {
    Accept<DeriveFromSystemProperties>(r);
}

void AcceptSystemScreensAgain(R& r) {
    Accept<DeriveHydraulicValues>(r);
}

}  // namespace velmar::study
