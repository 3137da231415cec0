#include "PreviewPaging.h"

#include <algorithm>

namespace fyn {

PreviewPaging::PreviewPaging(int publisherCount)
    : publisherCount_(std::max(publisherCount, 0)),
      endRow_(std::min(publisherCount_, kRowsPerPage)) {}

void PreviewPaging::NextPage() {
    int end = publisherCount_;
    if (publisherCount_ - endRow_ > kRowsPerPage) {
        end = endRow_ + kRowsPerPage;
    }
    endRow_ = end;
    firstRow_ = std::max(end - kRowsPerPage, 0);
}

void PreviewPaging::PreviousPage() {
    if (firstRow_ == 0) {
        NextPage();
        return;
    }
    firstRow_ = firstRow_ > kRowsPerPage ? firstRow_ - kRowsPerPage : 0;
    endRow_ = std::min(firstRow_ + kRowsPerPage, publisherCount_);
}

PreviewPaging::Buttons PreviewPaging::UpdatePageButtons(bool rightWasVisible) const {
    Buttons buttons;
    if (publisherCount_ <= kRowsPerPage) {
        return buttons;
    }
    buttons.leftVisible = true;
    buttons.rightVisible = rightWasVisible;
    if (firstRow_ == 0) {
        buttons.leftCaption = QStringLiteral("> > >");
        buttons.rightVisible = false;
    } else {
        buttons.leftCaption = QStringLiteral("< < <");
    }
    if (endRow_ == publisherCount_) {
        buttons.rightVisible = false;
    }
    if (endRow_ < publisherCount_ && firstRow_ > 0) {
        buttons.rightVisible = true;
    }
    return buttons;
}

} // namespace fyn
