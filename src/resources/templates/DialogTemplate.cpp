#include "DialogTemplate.h"

#include <QCoreApplication>
#include <algorithm>

namespace fyn {

namespace {

QString translatedOr(const QByteArray& key, const QString& text) {
    if (text.isEmpty()) {
        return text;
    }
    const QString translation = QCoreApplication::translate(nullptr, key.constData());
    return translation == QLatin1String(key) ? text : translation;
}

} // namespace

DialogTemplate DialogTemplate::translated() const {
    DialogTemplate copy = *this;
    copy.title = translatedOr(titleKey(), title);
    for (std::size_t position = 0; position < copy.controls.size(); ++position) {
        ControlTemplate& control = copy.controls[position];
        if (control.kind != ControlKind::Icon) {
            control.text = translatedOr(captionKey(position), control.text);
        }
    }
    return copy;
}

QByteArray DialogTemplate::titleKey() const {
    return QByteArray::number(id) + ".title";
}

QByteArray DialogTemplate::captionKey(std::size_t position) const {
    const int controlId = controls[position].id;
    return QByteArray::number(id) + '.' +
           (controlId == kNoControlId ? '#' + QByteArray::number(position)
                                      : QByteArray::number(controlId));
}

const ControlTemplate* DialogTemplate::find(int controlId) const {
    if (controlId == kNoControlId)
        return nullptr;
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [controlId](const auto& c) { return c.id == controlId; });
    return found == controls.end() ? nullptr : &*found;
}

} // namespace fyn
