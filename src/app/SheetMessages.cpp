#include "SheetMessages.h"

#include "MessageBoxes.h"
#include "StringTable.h"
#include "TextIds.h"

#include <cerrno>

namespace fyn {

namespace {

// The causes a user can act on, in the interface language; Qt's own wording of the rest is
// translated for some languages only, but still names the cause.
QString reason(int error, const StringTable& strings) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return strings.text(text::kNoSpaceLeft);
    case ENOENT:
    case ENOTDIR:
        return strings.text(text::kNoSuchFileOrFolder);
    case EACCES:
    case EPERM:
        return strings.text(text::kNoPermission);
    case EISDIR:
        return strings.text(text::kIsAFolder);
    default:
        return qt_error_string(error);
    }
}

} // namespace

QString SheetMessages::text(const SheetResult& result, const StringTable& strings) {
    switch (result.kind) {
    case SheetResult::Kind::Done:
        return {};
    case SheetResult::Kind::CannotRead:
        return strings.text(text::kCannotReadSheet, {result.path, reason(result.error, strings)});
    case SheetResult::Kind::NotASheet:
        return strings.text(text::kNotASheet, {result.path});
    case SheetResult::Kind::OutOfMemory:
        return strings.text(text::kLowMemory);
    case SheetResult::Kind::TooFewPublishers:
        return strings.text(text::kTooFewPublishers);
    case SheetResult::Kind::ReadOnly:
        return strings.text(text::kCannotCreateFile, {result.path});
    case SheetResult::Kind::CannotWrite:
        return strings.text(text::kCannotWriteSheet, {result.path, reason(result.error, strings)});
    }
    return {};
}

bool SheetMessages::show(const SheetResult& result, MessageBoxes& messages,
                         const StringTable& strings) {
    const QString message = text(result, strings);
    if (!message.isEmpty()) {
        messages.inform(message);
    }
    return result.ok();
}

} // namespace fyn
