#pragma once

namespace fyn {

class GroupSheet;
class Wording;

// What the printed sheet and the preview read: the sheet, read-only, its wording, and the
// month shown. The year slot is the sheet's.
struct PrintSource {
    const GroupSheet& sheet;
    const Wording& wording;
    int month = 0;
};

} // namespace fyn
