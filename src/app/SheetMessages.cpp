#include "SheetMessages.h"

#include "MessageBoxes.h"
#include "StringTable.h"
#include "TextIds.h"

namespace fyn {

QString SheetMessages::text(const SheetResult& result, const StringTable& strings) {
    switch (result.kind) {
    case SheetResult::Kind::Done:
        return {};
    case SheetResult::Kind::NotASheet:
        return strings.text(text::kNotASheet, {result.path});
    case SheetResult::Kind::OutOfMemory:
        return strings.text(text::kLowMemory);
    case SheetResult::Kind::TooFewPublishers:
        return strings.text(text::kTooFewPublishers);
    case SheetResult::Kind::CannotWrite:
        return strings.text(text::kCannotCreateFile, {result.path});
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
