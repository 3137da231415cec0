#pragma once

#include <QPushButton>
#include <QSize>
#include <QStringList>
#include <functional>

namespace fyn {

class DrawingSurface;

// The preview's drawing area: a flat button whose painting is the on-screen page. Its size is
// taken at the first paint and kept, so that a later resize does not move the layout.
class PreviewArea : public QPushButton {
    Q_OBJECT

public:
    using Painter = std::function<void(DrawingSurface& surface, QSize area)>;
    using RowsInWords = std::function<QStringList()>;

    explicit PreviewArea(QWidget* parent = nullptr);

    void setPainter(Painter painter) { painter_ = std::move(painter); }
    // What a screen reader reads as the page's rows.
    void setRowsInWords(RowsInWords rows) { rows_ = std::move(rows); }
    QStringList rowsInWords() const { return rows_ ? rows_() : QStringList(); }
    bool areaKnown() const { return areaKnown_; }
    QSize areaSize() const { return areaSize_; }
    // Draws the page into any paint device, as a paint of the area would.
    void render(QPaintDevice& device);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Painter painter_;
    RowsInWords rows_;
    bool areaKnown_ = false;
    QSize areaSize_;
};

} // namespace fyn
