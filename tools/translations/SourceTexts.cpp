#include "SourceTexts.h"

#include "DialogTemplates.h"
#include "SlovakTexts.h"
#include "StringTable.h"

namespace fyn {

std::vector<SourceText> sourceTexts() {
    std::vector<SourceText> texts;
    for (const auto& [id, text] : slovakTexts()) {
        texts.push_back({StringTable::translationKey(id), text, QStringLiteral("StringTable")});
    }
    for (const int dialogId : DialogTemplates::kAllIds) {
        const DialogTemplate& dialog = *DialogTemplates::byId(dialogId);
        const QString context = QStringLiteral("Dialog%1").arg(dialogId);
        if (!dialog.title.isEmpty()) {
            texts.push_back({dialog.titleKey(), dialog.title, context});
        }
        for (std::size_t position = 0; position < dialog.controls.size(); ++position) {
            const ControlTemplate& control = dialog.controls[position];
            if (!control.text.isEmpty() && control.kind != ControlKind::Icon) {
                texts.push_back({dialog.captionKey(position), control.text, context});
            }
        }
    }
    return texts;
}

} // namespace fyn
