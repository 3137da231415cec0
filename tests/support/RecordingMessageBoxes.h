#pragma once

#include "MessageBoxes.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace fyn::test {

// Stands in for the message boxes: keeps every text shown, in order, and answers questions
// from a queue of preset answers (No once the queue is empty).
class RecordingMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        QString text;
        Icon icon;
        bool question;
        Preferred preferred = Preferred::Yes;
    };

    void inform(const QString& text, Icon icon = Icon::None) override;
    bool askYesNo(const QString& text, Preferred preferred) override;

    void queueAnswer(bool yes) { answers_.append(yes); }
    const QList<Shown>& shown() const { return shown_; }
    QStringList texts() const;
    void clear();

private:
    QList<Shown> shown_;
    QList<bool> answers_;
};

} // namespace fyn::test
