#include "AboutDialog.h"

#include "DialogBuilder.h"
#include "DialogTemplates.h"

#include <QPushButton>

namespace fyn {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    DialogBuilder::build(*this, DialogTemplates::aboutBox());
    if (QPushButton* ok = DialogBuilder::control<QPushButton>(*this, 1)) {
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    }
}

} // namespace fyn
