#pragma once

#include "PrinterAccess.h"

#include <memory>

namespace fyn {

// The printers CUPS offers, through Qt. The default follows CUPS and the PRINTER and LPDEST
// environment; without one, the first printer listed is taken, as Qt itself does.
class QtPrinterAccess : public PrinterAccess {
public:
    QtPrinterAccess();
    ~QtPrinterAccess() override;

    Current currentPrinter() override;
    bool setUp(QWidget* parent) override;
    void proposeOutputFile(const QString& path) override { proposedFile_ = path; }

    // The printable area's corner becomes the origin; Qt's own default margin is 10 points.
    static void useMinimumMargins(QPrinter& printer);

private:
    std::unique_ptr<QPrinter> lookUpDefault();

    std::unique_ptr<QPrinter> chosen_;
    std::unique_ptr<QPrinter> lookedUp_;
    QString proposedFile_;
};

} // namespace fyn
