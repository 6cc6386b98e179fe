// Opens a project as the front end does, enters values as its screens commit them, and saves
// it as the front end does: what a project changed and saved from Python is compared with.
//   front_end_save IN OUT as_is    nothing changed: opened and saved again
//   front_end_save IN OUT fields   Ktn 0.31, Kds[1] 12.5 and model_n 1
//   front_end_save IN OUT depth    the typical wetland 1 m deep: its 10 ha hold 100 000 m^3,
//                                  which 0.5 m^3/s passes through in 2.31 days, at 1 cm/s
//                                  through its 50 m width
#include <cstdio>
#include <string>

#include "project/project_file.h"
#include "project/record.h"

int main(int argc, char** argv) {
    using namespace velmar;
    if (argc != 4) {
        std::fprintf(stderr, "usage: front_end_save IN OUT as_is|fields|depth\n");
        return 2;
    }
    ProjectRecord r{};
    ClearEntryState(r);
    ResetToDefaults(r);
    if (ReadProjectFile(argv[1], r) != 0) return 1;
    const std::string change = argv[3];
    if (change == "fields") {
        r.Ktn = r.Ktn_temp = 0.31;
        r.Kds[1] = r.Kds_temp[1] = 12.5;
        r.model_n = r.model_n_temp = 1;
    } else if (change == "depth") {
        r.depth = r.depth_temp = 1;
        r.volume = r.volume_temp = 100000;
        r.detention_time = r.detention_time_temp = 2.31;
        r.HydResidenceTime = 2.31;
        r.mean_velocity = r.mean_velocity_temp = 0.01;
        r.mean_vel_cms = r.mean_vel_cms_temp = 1;
    } else if (change != "as_is") {
        return 2;
    }
    return WriteProjectFile(argv[2], r) == 0 ? 0 : 1;
}
