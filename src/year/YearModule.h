#pragma once

#include <QString>
#include <QtGlobal>

class QWidget;

namespace fyn {
class Clock;
class StringTable;
struct YearContext;
} // namespace fyn

// The entries of the private module "year": the year window and fyn --year-pdf, which the
// program loads when they are first asked for (DeferredGroupYear). The module keeps its own
// copy of the sheet's text decoding, so each entry is told the code page in use.
extern "C" {
Q_DECL_EXPORT void fynShowGroupYear(const fyn::YearContext& context, QWidget* parent,
                                    const QString& codePage);
// failure is left empty on success, else holds the one line that says what failed.
Q_DECL_EXPORT void fynWriteGroupYearPdf(const QString& outputPath, const QString& sheetPath,
                                        const fyn::Clock& clock, const fyn::StringTable& strings,
                                        const QString& codePage, QString& failure);
}
