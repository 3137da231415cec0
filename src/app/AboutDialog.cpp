#include "AboutDialog.h"

#include "DialogBuilder.h"
#include "DialogTemplates.h"

#include <QPushButton>

namespace fyn {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    const DialogControls controls = DialogBuilder::build(*this, DialogTemplates::aboutBox());
    if (QPushButton* ok = controls.pushButton(1)) {
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    }
}

} // namespace fyn
