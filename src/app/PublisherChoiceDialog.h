#pragma once

#include <QDialog>
#include <vector>

class QListWidget;

namespace fyn {

class StringTable;
class Wording;

// Asks which of a few publishers a message is from, when it fits more than one: a short list
// worked by the keyboard (arrows or first letters, Enter, Esc). Nothing is guessed.
class PublisherChoiceDialog : public QDialog {
    Q_OBJECT

public:
    PublisherChoiceDialog(const std::vector<int>& records, const Wording& wording,
                          const StringTable& strings, QWidget* parent = nullptr);

    // The record chosen, 0 when the user cancelled.
    int chosen() const;

private:
    std::vector<int> records_;
    QListWidget* list_ = nullptr;
};

} // namespace fyn
