#pragma once

#include <QValidator>

namespace fyn {

// Keeps out of the remarks field every character that the sheet's code page cannot store,
// whether typed or pasted; what the sheet itself held is let be.
class RemarkValidator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

} // namespace fyn
