#include "model/input.h"

#include "project/project_file.h"

namespace velmar {

void SetEngineStartValues(ModelState& s) {
    s = ModelState{};
    s.PhosRemSpec = s.PhosRemSpec_temp = s.check_Vtp = s.check_Vtp_temp = 1;
    s.checked_KtnVolumetric = s.checked_KtnVolumetric_temp = 1;
    s.checked_RhoBInput = s.checked_RhoBInput_temp = s.checked_VsInput = s.checked_VsInput_temp = 1;
    s.NeedToDisplayVrVD = s.NeedToDisplayRhoB = s.NothingToDoInDPC = 1;
    s.checked_KdwInput = s.checked_KdwInput_temp = s.checked_KdsInput = s.checked_KdsInput_temp = 1;
    s.checked_kvInput = s.checked_kvInput_temp = s.checked_HMKdwInput = s.checked_HMKdwInput_temp = 1;
    s.checked_contam_tau = s.checked_contam_tau_temp = 1;
    s.recalc_convd1 = s.recalc_convd2 = s.recalc_convd3 = 1;
    s.recalc_hmvd1 = s.recalc_hmvd2 = s.recalc_hmvd3 = 1;
    s.InputARhoB = s.InputARhoB_temp = 1;
    s.big_volume_temp = s.big_area_temp = s.big_depth_temp = s.big_length_temp = s.big_width_temp = 1.0;
    s.mean_vel_check = 5e-06;
}

void ReadModelInput(std::FILE* file, ModelState& s) {
    ReadProjectEntries(file, s);
}

}  // namespace velmar
