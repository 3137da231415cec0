#include "YearModule.h"

#include "TextCodec.h"
#include "YearDialog.h"
#include "YearPdfExport.h"

void fynShowGroupYear(const fyn::YearContext& context, QWidget* parent, const QString& codePage) {
    fyn::TextCodec::useCodePage(codePage);
    fyn::YearDialog dialog(context, parent);
    dialog.exec();
}

void fynWriteGroupYearPdf(const QString& outputPath, const QString& sheetPath,
                          const fyn::Clock& clock, const fyn::StringTable& strings,
                          const QString& codePage, QString& failure) {
    fyn::TextCodec::useCodePage(codePage);
    failure = fyn::YearPdfExport::Run(outputPath, sheetPath, clock, strings);
}
