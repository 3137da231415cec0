#pragma once

#include "Clock.h"
#include "FilePicker.h"

#include <QList>
#include <optional>

namespace fyn::test {

class FixedClock : public Clock {
public:
    explicit FixedClock(QDate date) : date_(date) {}
    QDate today() const override { return date_; }
    void set(QDate date) { date_ = date; }

private:
    QDate date_;
};

// Answers the file dialog from a queue and remembers how it was asked.
class ScriptedFilePicker : public FilePicker {
public:
    struct Request {
        QString title, filterDescription, pattern, initialFolder;
    };

    std::optional<QString> openFile(QWidget*, const QString& title, const QString& description,
                                    const QString& pattern, const QString& folder) override {
        requests.append({title, description, pattern, folder});
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }

    QList<std::optional<QString>> answers;
    QList<Request> requests;
};

} // namespace fyn::test
