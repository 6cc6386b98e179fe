#include "interface/platform/dialog_template.h"

#include <algorithm>

namespace velmar {

const Control* DialogTemplate::Find(int id) const {
    auto found =
        std::find_if(controls.begin(), controls.end(), [id](const Control& c) { return c.id == id; });
    return found == controls.end() ? nullptr : &*found;
}

}  // namespace velmar
