#include "ContactLogResult.h"

#include "StringTable.h"
#include "TextIds.h"

namespace fyn {

QString ContactLogResult::Reason(const StringTable& strings) const {
    switch (kind) {
    case Kind::Done:
    case Kind::DoneAfterSettingAside:
        return {};
    case Kind::Busy:
        return strings.text(text::kContactLogBusy);
    case Kind::ReadOnly:
        return strings.text(text::kContactLogReadOnly);
    case Kind::DiskFull:
        return strings.text(text::kContactLogDiskFull);
    case Kind::CannotOpen:
        return strings.text(text::kContactLogCannotOpen);
    case Kind::Newer:
        return strings.text(text::kContactLogNewer);
    case Kind::Damaged:
        return strings.text(text::kContactLogDamaged);
    case Kind::ModuleMissing:
    case Kind::Failed:
        break;
    }
    return detail;
}

QString ContactLogResult::Describe(const StringTable& strings) const {
    switch (kind) {
    case Kind::Done:
        return {};
    case Kind::DoneAfterSettingAside:
        return strings.text(text::kContactLogSetAside, {path, setAsidePath});
    case Kind::ModuleMissing:
        return strings.text(text::kModuleMissing, {detail});
    default:
        return strings.text(text::kContactNotRecorded, {path, Reason(strings)});
    }
}

QString ContactLogResult::DescribeUnread(const StringTable& strings) const {
    return ok() ? QString() : strings.text(text::kContactLogUnread, {path, Reason(strings)});
}

} // namespace fyn
