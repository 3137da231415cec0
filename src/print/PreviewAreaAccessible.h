#pragma once

#include <QAccessibleWidget>
#include <vector>

namespace fyn {

class PreviewArea;

// The painted page as a screen reader needs it: a list whose items are the page's rows in
// words. Without it the page is one nameless button.
class PreviewAreaAccessible : public QAccessibleWidget {
public:
    explicit PreviewAreaAccessible(PreviewArea* area);
    ~PreviewAreaAccessible() override;

    // For QAccessible::installFactory: the interface of a PreviewArea, else none.
    static QAccessibleInterface* create(const QString& className, QObject* object);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    // The page's rows in words, and where the row is drawn on screen.
    QString rowText(int index) const;
    QRect rowRect(int index) const;

private:
    PreviewArea* area() const;

    // The rows' interfaces, made when first asked for and kept in Qt's registry by id.
    mutable std::vector<QAccessible::Id> rows_;
};

} // namespace fyn
