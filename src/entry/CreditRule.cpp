#include "CreditRule.h"

#include "SheetLayout.h"

namespace fyn {

namespace {

constexpr int kMostHoursWithCredit = 75;
constexpr int kLargestStarredCredit = 40;
constexpr int kCountedDigits = 3;
constexpr qsizetype kLastStarPosition = 4;
constexpr qsizetype kLastBangPosition = 5;

// Credit is one byte wide; what does not fit wraps, as the stored byte does.
std::uint8_t asCredit(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

} // namespace

bool CreditRule::UpdateCredit(State& state, int status, int hours, const QString& unit) {
    state.creditText.clear();
    if (status != layout::RegularPioneer) {
        return false;
    }
    if (hours > kMostHoursWithCredit - 1) {
        state.credit = 0;
    }
    if (state.credit != 0 && kMostHoursWithCredit - hours < state.credit) {
        state.credit = asCredit(kMostHoursWithCredit - hours);
    }
    if (state.credit != 0 && state.remarkText.isEmpty()) {
        state.remarkText = QStringLiteral("%1 +").arg(state.credit) + unit;
    }

    qsizetype digits = 0;
    while (digits < state.remarkText.size() && state.remarkText[digits] >= QLatin1Char('0') &&
           state.remarkText[digits] <= QLatin1Char('9')) {
        ++digits;
    }
    if (digits > 0) {
        state.credit = asCredit(state.remarkText.left(kCountedDigits).left(digits).toInt());
    }

    const qsizetype bang = state.remarkText.indexOf(QLatin1Char('!'));
    if (bang < 0 || bang > kLastBangPosition) {
        const qsizetype star = state.remarkText.indexOf(QLatin1Char('*'));
        const int allowance = star >= 1 && star <= kLastStarPosition
                                  ? qMin<int>(state.credit, kLargestStarredCredit)
                                  : 0;
        if (allowance + hours > kMostHoursWithCredit - 1) {
            state.credit = asCredit(allowance);
        } else if (state.credit + hours > kMostHoursWithCredit) {
            state.credit = asCredit(kMostHoursWithCredit - hours);
        }
    }

    if (state.credit != 0) {
        state.creditText =
            QStringLiteral("( + %1 ").arg(state.credit) + unit + QStringLiteral(" )");
    }
    return true;
}

} // namespace fyn
