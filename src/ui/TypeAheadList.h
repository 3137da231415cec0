#pragma once

#include "TypeAhead.h"

#include <QListWidget>

namespace fyn {

// A list whose entries are found by the letters typed, with or without their diacritics.
class TypeAheadList : public QListWidget {
    Q_OBJECT

public:
    using QListWidget::QListWidget;

    void keyboardSearch(const QString& search) override;

private:
    TypeAhead typeAhead_;
};

} // namespace fyn
