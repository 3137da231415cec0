#pragma once

#include "GroupSheet.h"
#include "RecordingMessageBoxes.h"
#include "ReportEntryModel.h"
#include "SheetBuilder.h"
#include "StringTable.h"
#include "TextCodec.h"
#include "Wording.h"

namespace fyn::test {

// The month under test is May of the odd year; the other slots of May hold other figures, so
// that a wrong slot shows.
inline constexpr int kMay = 4;
inline constexpr int kSlot = 1;
inline constexpr int kK = layout::monthSlot(kMay, kSlot);

inline QByteArray cp1250(const QString& text) {
    return TextCodec::fromUnicode(text).value_or(QByteArray("?unencodable?"));
}

// Record 1 is the publisher under test, a publisher with nothing entered for May yet; record 2
// only makes the sheet a group. One remark exists already.
inline SheetBuilder group(int reportMonth = kMay) {
    using namespace layout;
    SheetBuilder sheet;
    sheet.setGroupNumber(4);
    sheet.setReportMonth(static_cast<std::uint8_t>(reportMonth));
    sheet.addPublisher(cp1250(QStringLiteral("Ján")), cp1250(QStringLiteral("Novák")));
    sheet.addPublisher("Eva", "Mala");
    sheet.setRemarkEntry(2, kMay, kSlot, static_cast<std::uint16_t>(sheet.addRemark("0")));
    sheet.setReport(1, kMay, 1 - kSlot, MonthReport{9, 9, 9, 9, 9, true, 9});
    for (const std::size_t array : {kPublications, kHours, kStudiesAndFlags, kCreditHours}) {
        sheet.setMonthValue(1, array, kMay, 2, 0x0909);
    }
    return sheet;
}

inline void setInService(SheetBuilder& sheet, int month, std::uint16_t studies = 0) {
    sheet.setMonthValue(1, layout::kStudiesAndFlags, month, kSlot,
                        static_cast<std::uint16_t>(layout::kInServiceBit | studies));
}

// The loaded sheet that the report is entered into, and what the report told the program.
struct ReportFixture {
    bool load(const SheetBuilder& builder) {
        boxes_.clear();
        committed_.clear();
        if (!sheet_.Read(builder.build(), QStringLiteral("g.t09"))) {
            return false;
        }
        sheet_.yearSlot = kSlot;
        before_ = recordBytes();
        remarksBefore_ = sheet_.remarkCount();
        return true;
    }
    ReportEntryModel::Context context() {
        return {sheet_, wording_, StringTable::slovak(), boxes_,
                [this](const QString& name) { committed_ << name; }};
    }
    QByteArray recordBytes() const {
        return QByteArray(reinterpret_cast<const char*>(sheet_.Record(1)), layout::kRecordSize);
    }
    QByteArray remarkEntry(int number) const {
        return QByteArray(reinterpret_cast<const char*>(sheet_.RemarkEntry(number)));
    }

    RecordingMessageBoxes boxes_;
    GroupSheet sheet_;
    Wording wording_{StringTable::slovak(), sheet_};
    QStringList committed_;
    QByteArray before_;
    int remarksBefore_ = 0;
};

} // namespace fyn::test
