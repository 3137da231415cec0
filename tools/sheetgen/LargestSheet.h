#pragma once

#include "SheetBuilder.h"

namespace fyn {

// The largest sheet the format holds: 127 publishers with every month filled in and 254
// remarks. The benchmarks measure with it; the same bytes come out on every run.
class LargestSheet {
public:
    static SheetBuilder builder();
};

} // namespace fyn
