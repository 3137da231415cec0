#pragma once

#include <QString>
#include <algorithm>

namespace fyn {

// Moves a window of 18 rows over the publishers. The last page always shows the last 18, so
// it overlaps the page before it; on the first page of a long list the left button goes
// forward, since there is nothing before it.
class PreviewPaging {
public:
    static constexpr int kRowsPerPage = 18;

    struct Buttons {
        bool leftVisible = false;
        QString leftCaption;
        bool rightVisible = false;
    };

    explicit PreviewPaging(int publisherCount);

    void NextPage();
    void PreviousPage();
    // The page buttons as they should stand now; rightWasVisible is the right button's state,
    // which only some pages change.
    Buttons UpdatePageButtons(bool rightWasVisible) const;

    int publisherCount() const { return publisherCount_; }
    int firstRow() const { return firstRow_; }
    int endRow() const { return endRow_; }
    // The page shown, counted from 1, and how many there are; the last page is a whole page
    // too, ending with the last publisher.
    int pageNumber() const { return pagesUpTo(endRow_); }
    int pageCount() const { return std::max(pagesUpTo(publisherCount_), 1); }

private:
    static int pagesUpTo(int endRow) { return (endRow + kRowsPerPage - 1) / kRowsPerPage; }

    int publisherCount_;
    int firstRow_ = 0;
    int endRow_;
};

} // namespace fyn
