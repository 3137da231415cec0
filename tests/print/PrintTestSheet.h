#pragma once

#include "GroupSheet.h"
#include "PrintSource.h"
#include "SheetBuilder.h"
#include "Wording.h"

#include <QTemporaryDir>
#include <vector>

namespace fyn::test {

// A sheet built in memory, written to a temporary file and loaded as the program loads it, for
// the month and year slot given.
class PrintTestSheet {
public:
    explicit PrintTestSheet(const SheetBuilder& builder, int month = kOctober, int yearSlot = 0);

    // Publishers named "Meno01" .. with nothing reported.
    static SheetBuilder numbered(int count, int month = kOctober);

    GroupSheet& sheet() { return sheet_; }
    const Wording& wording() const { return wording_; }
    PrintSource source() const { return {sheet_, wording_, month_}; }
    const QString& path() const { return path_; }
    // The records and remark entries as they are in memory now.
    QByteArray bytes() const { return bytesOf(sheet_); }
    static QByteArray bytesOf(const GroupSheet& sheet);

    static constexpr int kOctober = 9;

private:
    QTemporaryDir dir_;
    QString path_;
    GroupSheet sheet_;
    Wording wording_;
    int month_;
};

} // namespace fyn::test
