#include "DialogTemplates.h"

namespace fyn {

const DialogTemplate* DialogTemplates::byId(int id) {
    switch (id) {
    case kAboutBoxId:
        return &aboutBox();
    case kMainWindowId:
        return &mainWindow();
    case kReportId:
        return &report();
    case kPreviewId:
        return &preview();
    case kRemindersId:
        return &reminders();
    case kYearId:
        return &year();
    case kPublisherChoiceId:
        return &publisherChoice();
    default:
        return nullptr;
    }
}

} // namespace fyn
