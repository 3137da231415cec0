#include "DialogTemplate.h"

#include <algorithm>

namespace fyn {

const ControlTemplate* DialogTemplate::find(int controlId) const {
    if (controlId == kNoControlId)
        return nullptr;
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [controlId](const auto& c) { return c.id == controlId; });
    return found == controls.end() ? nullptr : &*found;
}

} // namespace fyn
