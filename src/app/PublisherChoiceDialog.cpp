#include "PublisherChoiceDialog.h"

#include "ControlIds.h"
#include "DialogBuilder.h"
#include "DialogTemplates.h"
#include "StringTable.h"
#include "TextIds.h"
#include "TypeAheadList.h"
#include "Wording.h"

#include <QLabel>
#include <QPushButton>

namespace fyn {

PublisherChoiceDialog::PublisherChoiceDialog(const std::vector<int>& records,
                                             const Wording& wording, const StringTable& strings,
                                             QWidget* parent)
    : QDialog(parent), records_(records) {
    DialogBuilder builder(DialogTemplates::publisherChoice());
    builder.setCustomWidget(PublisherChoiceControl::List,
                            [](QWidget* dialog) { return new TypeAheadList(dialog); });
    builder.build(this);
    setWindowTitle(strings.text(text::kChoosePublisherTitle));
    auto* prompt = DialogBuilder::control<QLabel>(*this, PublisherChoiceControl::Prompt);
    prompt->setWordWrap(true);
    prompt->setText(strings.text(text::kChoosePublisherPrompt));
    DialogBuilder::control<QPushButton>(*this, PublisherChoiceControl::Cancel)
        ->setText(strings.text(text::kCancelButton));
    list_ = DialogBuilder::control<QListWidget>(*this, PublisherChoiceControl::List);
    list_->setAccessibleName(prompt->text());
    for (const int record : records_) {
        list_->addItem(wording.PublisherName(record, true));
    }
    list_->setCurrentRow(0);
    list_->setFocus();
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(DialogBuilder::control<QPushButton>(*this, PublisherChoiceControl::Ok),
            &QPushButton::clicked, this, &QDialog::accept);
    connect(DialogBuilder::control<QPushButton>(*this, PublisherChoiceControl::Cancel),
            &QPushButton::clicked, this, &QDialog::reject);
}

int PublisherChoiceDialog::chosen() const {
    const int row = list_->currentRow();
    return result() == Accepted && row >= 0 ? records_[std::size_t(row)] : 0;
}

} // namespace fyn
