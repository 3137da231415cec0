#pragma once

#include <QString>

class QWidget;

namespace fyn {

class Clock;
class StringTable;
struct YearContext;

// The year window and fyn --year-pdf, from the private module "year", loaded at their first
// use so that the start loads none of it. A module that cannot be loaded is told.
class DeferredGroupYear {
public:
    static void Show(const YearContext& context, QWidget* parent);
    // As PdfExport::Run; a missing module is the failure.
    static QString WritePdf(const QString& outputPath, const QString& sheetPath, const Clock& clock,
                            const StringTable& strings);
};

} // namespace fyn
