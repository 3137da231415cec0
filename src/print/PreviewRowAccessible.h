#pragma once

#include <QAccessibleInterface>

namespace fyn {

class PreviewAreaAccessible;

// One row of the painted page, read as a list item: its words and its place.
class PreviewRowAccessible : public QAccessibleInterface {
public:
    PreviewRowAccessible(const PreviewAreaAccessible* page, int index);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

private:
    const PreviewAreaAccessible* page_;
    int index_;
};

} // namespace fyn
