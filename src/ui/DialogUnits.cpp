#include "DialogUnits.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <cstdint>

namespace fyn {

namespace {

// Windows' MulDiv: number × numerator / denominator, rounded half away from zero.
int mulDiv(int number, int numerator, int denominator) {
    const std::int64_t product = std::int64_t{number} * numerator;
    const std::int64_t half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

} // namespace

DialogUnits DialogUnits::forFont(const QFont& font, const QPaintDevice* device) {
    const QFontMetrics metrics = device ? QFontMetrics(font, device) : QFontMetrics(font);
    const int alphabetWidth = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {averageCharWidth(alphabetWidth), metrics.height()};
}

int DialogUnits::averageCharWidth(int alphabetWidth) {
    return (alphabetWidth / 26 + 1) / 2;
}

int DialogUnits::toPixelsX(int dialogUnits) const {
    return mulDiv(dialogUnits, baseWidth_, 4);
}

int DialogUnits::toPixelsY(int dialogUnits) const {
    return mulDiv(dialogUnits, baseHeight_, 8);
}

QRect DialogUnits::toPixels(const QRect& dialogUnits) const {
    return {toPixelsX(dialogUnits.x()), toPixelsY(dialogUnits.y()), toPixelsX(dialogUnits.width()),
            toPixelsY(dialogUnits.height())};
}

QSize DialogUnits::toPixels(const QSize& dialogUnits) const {
    return {toPixelsX(dialogUnits.width()), toPixelsY(dialogUnits.height())};
}

} // namespace fyn
