#include "DeferredGroupYear.h"

#include "MessageBoxes.h"
#include "PrivateModule.h"
#include "StringTable.h"
#include "TextCodec.h"
#include "TextIds.h"
#include "YearContext.h"
#include "YearModule.h"

namespace fyn {

namespace {

// The module stays loaded once it was: asking again only finds it.
constexpr QLatin1StringView kModule("year");

} // namespace

void DeferredGroupYear::Show(const YearContext& context, QWidget* parent) {
    PrivateModule module{QString(kModule)};
    auto* show = module.function<decltype(fynShowGroupYear)>("fynShowGroupYear");
    if (show == nullptr) {
        context.messages.inform(context.strings.text(text::kModuleMissing, {module.errorString()}),
                                MessageBoxes::Icon::Warning);
        return;
    }
    show(context, parent, TextCodec::codePage());
}

QString DeferredGroupYear::WritePdf(const QString& outputPath, const QString& sheetPath,
                                    const Clock& clock, const StringTable& strings) {
    PrivateModule module{QString(kModule)};
    auto* write = module.function<decltype(fynWriteGroupYearPdf)>("fynWriteGroupYearPdf");
    if (write == nullptr) {
        return strings.text(text::kModuleMissing, {module.errorString()});
    }
    QString failure;
    write(outputPath, sheetPath, clock, strings, TextCodec::codePage(), failure);
    return failure;
}

} // namespace fyn
