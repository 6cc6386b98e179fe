#include "project/phosphorus_load.h"

#include "project/record.h"
#include "project/sediment.h"
#include "project/units.h"

namespace velmar {
namespace {

// Area (m^2) times thickness (cm) times capacity (mg/g) times bulk density (g/L) to kg:
// 0.01 m/cm, 1000 L/m^3 and 1e-6 kg/mg.
constexpr double kSorptionCapacityToKg = 1e-5;

}  // namespace

double TPConcentrationFromLoad(double yearly_load, double flow) {
    return yearly_load * units::kGramsPerKilogram / (flow * units::kSecondsPerYear);
}

double TPLoadFromConcentration(double concentration, double flow) {
    return concentration * flow * units::kQiCiToKgPerYear;
}

void ComputeWetlandAge(ProjectRecord& r) {
    if (!r.InputARhoB) {
        r.ActiveLayerBulkDensity = r.ActiveLayerBulkDensity_temp =
            BulkDensityFromPorosity(r.ActivePhi, r.DrySedDensity);
    }
    if (!r.UserSelectedTPLoad) {
        r.YearlyTPLoading = r.YearlyTPLoading_temp =
            TPLoadFromConcentration(r.InflowingTPConc_temp, r.YearlyTPFlow_temp);
    }
    // The mass of phosphorus the active layer can sorb over the wetland's area, in kg,
    // divided by the yearly loading: the years until the layer is saturated.
    r.ComputedWetlandAge = r.area / r.YearlyTPLoading * r.ActiveLayerThickness * r.MaximumPSorptionCapacity *
                           r.ActiveLayerBulkDensity * kSorptionCapacityToKg;
}

}  // namespace velmar
