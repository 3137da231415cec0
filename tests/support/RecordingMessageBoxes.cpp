#include "RecordingMessageBoxes.h"

namespace fyn::test {

void RecordingMessageBoxes::inform(const QString& text, Icon icon) {
    shown_.append({text, icon, false});
}

bool RecordingMessageBoxes::askYesNo(const QString& text, Preferred preferred) {
    shown_.append({text, Icon::Question, true, preferred});
    return answers_.isEmpty() ? false : answers_.takeFirst();
}

QStringList RecordingMessageBoxes::texts() const {
    QStringList texts;
    for (const Shown& shown : shown_) {
        texts.append(shown.text);
    }
    return texts;
}

void RecordingMessageBoxes::clear() {
    shown_.clear();
    answers_.clear();
}

} // namespace fyn::test
