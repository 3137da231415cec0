#pragma once

#include "DialogTemplate.h"

#include <array>

namespace fyn {

// The program's dialogs.
class DialogTemplates {
public:
    static constexpr int kAboutBoxId = 100;
    static constexpr int kMainWindowId = 102;
    static constexpr int kReportId = 107;
    static constexpr int kPreviewId = 115;
    static constexpr int kRemindersId = 120;
    static constexpr int kYearId = 121;
    static constexpr int kPublisherChoiceId = 125;
    // Every dialog, for what goes over all of their texts (translations, their fit).
    static constexpr std::array kAllIds{kAboutBoxId,  kMainWindowId, kReportId,         kPreviewId,
                                        kRemindersId, kYearId,       kPublisherChoiceId};

    static const DialogTemplate& aboutBox();
    static const DialogTemplate& mainWindow();
    static const DialogTemplate& report();
    static const DialogTemplate& preview();
    static const DialogTemplate& reminders();
    static const DialogTemplate& year();
    static const DialogTemplate& publisherChoice();

    // Null for an unknown id.
    static const DialogTemplate* byId(int id);
};

} // namespace fyn
