#include "DialogBuilder.h"

#include "DialogFont.h"
#include "DialogUnits.h"
#include "GroupBoxStyle.h"
#include "TypeAheadList.h"
#include "WrappingCheckBox.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace fyn {

namespace {

Qt::Alignment textAlignment(const ControlTemplate& control) {
    return control.has(ControlFlag::CentredText) ? Qt::AlignHCenter : Qt::AlignLeft;
}

Qt::ScrollBarPolicy verticalScrollPolicy(const ControlTemplate& control) {
    return control.has(ControlFlag::VerticalScroll) ? Qt::ScrollBarAsNeeded
                                                    : Qt::ScrollBarAlwaysOff;
}

QPushButton* createPushButton(const ControlTemplate& control, QWidget* dialog) {
    auto* button = new QPushButton(control.text, dialog);
    // Enter presses the focused push button, and the default one when the focus is elsewhere.
    button->setAutoDefault(true);
    button->setDefault(control.kind == ControlKind::DefaultPushButton);
    return button;
}

QCheckBox* createCheckBox(const ControlTemplate& control, QWidget* dialog) {
    QCheckBox* box = nullptr;
    if (control.has(ControlFlag::MultiLine) || control.has(ControlFlag::CentredText))
        box = new WrappingCheckBox(control.text, textAlignment(control) | Qt::AlignVCenter, dialog);
    else
        box = new QCheckBox(control.text, dialog);
    if (control.has(ControlFlag::TextOnLeft))
        box->setLayoutDirection(Qt::RightToLeft);
    return box;
}

QWidget* createEdit(const ControlTemplate& control, QWidget* dialog) {
    if (control.has(ControlFlag::MultiLine)) {
        auto* edit = new QPlainTextEdit(control.text, dialog);
        edit->setVerticalScrollBarPolicy(verticalScrollPolicy(control));
        return edit;
    }
    return new QLineEdit(control.text, dialog);
}

QListWidget* createListBox(const ControlTemplate& control, QWidget* dialog) {
    auto* list = new TypeAheadList(dialog);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setVerticalScrollBarPolicy(verticalScrollPolicy(control));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setUniformItemSizes(true);
    return list;
}

QLabel* createStaticText(const ControlTemplate& control, QWidget* dialog) {
    auto* label = new QLabel(control.text, dialog);
    // Names and addresses come from the sheet: never let them pass for markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(textAlignment(control) | Qt::AlignTop);
    return label;
}

QLabel* createIcon(QWidget* dialog) {
    // Icon 128 is the program's icon, which the application sets as every window's icon.
    auto* label = new QLabel(dialog);
    const int extent = dialog->style()->pixelMetric(QStyle::PM_LargeIconSize);
    label->setPixmap(dialog->windowIcon().pixmap(extent, extent));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget* createFrame(const ControlTemplate& control, QWidget* dialog) {
    QWidget* frame = nullptr;
    if (control.kind == ControlKind::GroupBox) {
        frame = new QGroupBox(control.text, dialog);
        if (QStyle* style = GroupBoxStyle::forGroupBoxes()) {
            frame->setStyle(style);
        }
    } else {
        auto* etched = new QFrame(dialog);
        etched->setFrameStyle(QFrame::Box | QFrame::Sunken);
        frame = etched;
    }
    // Frames lie under the controls they surround and must not take their clicks.
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    return frame;
}

QPushButton* createOwnerDrawnButton(QWidget* dialog) {
    auto* button = new QPushButton(dialog);
    button->setFlat(true);
    button->setAutoDefault(false);
    return button;
}

bool isFrame(ControlKind kind) {
    return kind == ControlKind::GroupBox || kind == ControlKind::EtchedFrame;
}

bool takesFocus(ControlKind kind) {
    switch (kind) {
    case ControlKind::StaticText:
    case ControlKind::GroupBox:
    case ControlKind::EtchedFrame:
    case ControlKind::Icon:
        return false;
    default:
        return true;
    }
}

void applyFocusPolicy(const ControlTemplate& control, QWidget* widget) {
    if (!takesFocus(control.kind)) {
        widget->setFocusPolicy(Qt::NoFocus);
        return;
    }
    // A control without tab stop still takes the focus when clicked, as on Windows.
    if (control.has(ControlFlag::NoTabStop) && (widget->focusPolicy() & Qt::TabFocus))
        widget->setFocusPolicy(Qt::ClickFocus);
}

// The static text that names an edit field: one just before it on its line, or a heading just
// above it that spans at least half of it. Templates place a field's label apart from it, so a
// screen reader has to be told which one it is.
const ControlTemplate* labelOf(const ControlTemplate& field,
                               const std::vector<ControlTemplate>& all) {
    constexpr int kBesideGap = 10;
    constexpr int kAboveGap = 5;
    const QRect f = field.rect();
    for (const ControlTemplate& label : all) {
        if (label.kind != ControlKind::StaticText) {
            continue;
        }
        const QRect l = label.rect();
        const bool sameLine = l.top() <= f.bottom() && f.top() <= l.bottom();
        const int gapBefore = f.left() - l.right();
        const int gapAbove = f.top() - l.bottom();
        const int overlap = std::min(l.right(), f.right()) - std::max(l.left(), f.left()) + 1;
        if ((sameLine && gapBefore > 0 && gapBefore <= kBesideGap) ||
            (gapAbove > 0 && gapAbove <= kAboveGap && 2 * overlap >= f.width())) {
            return &label;
        }
    }
    return nullptr;
}

void applyWindowStyle(const DialogTemplate& dialogTemplate, QWidget* dialog) {
    if (!dialog->isWindow() || !(dialogTemplate.style & DialogStyle::NoCloseButton))
        return;
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

} // namespace

DialogBuilder::DialogBuilder(const DialogTemplate& dialogTemplate)
    : template_(dialogTemplate.translated()) {}

void DialogBuilder::setCustomWidget(int controlId, WidgetFactory factory) {
    customWidgets_[controlId] = std::move(factory);
}

void DialogBuilder::build(QWidget& dialog, const DialogTemplate& dialogTemplate) {
    DialogBuilder(dialogTemplate).build(&dialog);
}

QString DialogBuilder::objectNameFor(int controlId) {
    return QStringLiteral("ctl%1").arg(controlId);
}

QWidget* DialogBuilder::createWidget(const ControlTemplate& control, QWidget* dialog) const {
    if (const auto custom = customWidgets_.find(control.id); custom != customWidgets_.end())
        return custom->second(dialog);
    switch (control.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
        return createPushButton(control, dialog);
    case ControlKind::CheckBox:
        return createCheckBox(control, dialog);
    case ControlKind::Edit:
        return createEdit(control, dialog);
    case ControlKind::ListBox:
        return createListBox(control, dialog);
    case ControlKind::StaticText:
        return createStaticText(control, dialog);
    case ControlKind::GroupBox:
    case ControlKind::EtchedFrame:
        return createFrame(control, dialog);
    case ControlKind::Icon:
        return createIcon(dialog);
    case ControlKind::OwnerDrawnButton:
        return createOwnerDrawnButton(dialog);
    }
    return new QWidget(dialog);
}

void DialogBuilder::build(QWidget* dialog) const {
    applyWindowStyle(template_, dialog);
    dialog->setWindowTitle(template_.title);
    dialog->setFont(DialogFont::forTemplate(template_));
    const DialogUnits units = DialogUnits::forFont(dialog->font(), dialog);
    dialog->setFixedSize(units.toPixels(template_.size()));

    QWidget* previousTabStop = nullptr;
    std::vector<QWidget*> frames;
    std::vector<QWidget*> overlays;
    std::vector<QWidget*> widgets;
    for (const ControlTemplate& control : template_.controls) {
        QWidget* widget = widgets.emplace_back(createWidget(control, dialog));
        if (widget->parentWidget() != dialog)
            widget->setParent(dialog);
        if (control.id != kNoControlId) {
            widget->setObjectName(objectNameFor(control.id));
        }
        if (control.has(ControlFlag::VariablePitchFont))
            widget->setFont(DialogFont::variablePitch());
        QRect place = units.toPixels(control.rect());
        if (control.kind == ControlKind::Icon)
            place.setSize(place.size().expandedTo(widget->sizeHint()));
        widget->setGeometry(place);
        if (control.has(ControlFlag::Hidden))
            widget->hide();

        applyFocusPolicy(control, widget);
        if (widget->focusPolicy() & Qt::TabFocus) {
            if (previousTabStop)
                QWidget::setTabOrder(previousTabStop, widget);
            previousTabStop = widget;
        }
        if (isFrame(control.kind))
            frames.push_back(widget);
        if (control.has(ControlFlag::Overlay))
            overlays.push_back(widget);
    }
    const std::vector<ControlTemplate>& controls = template_.controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].kind != ControlKind::Edit) {
            continue;
        }
        if (const ControlTemplate* label = labelOf(controls[i], controls)) {
            if (auto* labelWidget = qobject_cast<QLabel*>(widgets[label - controls.data()])) {
                labelWidget->setBuddy(widgets[i]);
            }
        }
    }
    // Lowering the last frame first keeps the frames' own order beneath everything else.
    for (auto frame = frames.rbegin(); frame != frames.rend(); ++frame)
        (*frame)->lower();
    for (QWidget* overlay : overlays)
        overlay->raise();
}

} // namespace fyn
