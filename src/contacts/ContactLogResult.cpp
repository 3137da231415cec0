#include "ContactLogResult.h"

#include "StringTable.h"
#include "TextIds.h"

namespace fyn {

QString ContactLogResult::Describe(const StringTable& strings) const {
    const auto notRecorded = [&](const QString& reason) {
        return strings.text(text::kContactNotRecorded, {path, reason});
    };
    switch (kind) {
    case Kind::Done:
        return {};
    case Kind::DoneAfterSettingAside:
        return strings.text(text::kContactLogSetAside, {path, setAsidePath});
    case Kind::Busy:
        return notRecorded(strings.text(text::kContactLogBusy));
    case Kind::ReadOnly:
        return notRecorded(strings.text(text::kContactLogReadOnly));
    case Kind::DiskFull:
        return notRecorded(strings.text(text::kContactLogDiskFull));
    case Kind::CannotOpen:
        return notRecorded(strings.text(text::kContactLogCannotOpen));
    case Kind::Newer:
        return notRecorded(strings.text(text::kContactLogNewer));
    case Kind::Damaged:
        return notRecorded(strings.text(text::kContactLogDamaged));
    case Kind::ModuleMissing:
        return strings.text(text::kModuleMissing, {detail});
    case Kind::Failed:
        break;
    }
    return notRecorded(detail);
}

} // namespace fyn
