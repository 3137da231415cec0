#pragma once

#include <QString>
#include <functional>

class QObject;

namespace fyn {

class GroupSheet;
struct SheetResult;
class MailerFactory;
class MessageBoxes;
class StringTable;
class Wording;

// Writes the sheet with the reports entered so far into a .t19 copy beside the loaded .t09
// and offers to mail that copy to the secretary at the address the sheet itself carries.
class SheetSender {
public:
    struct Context {
        GroupSheet& sheet;
        const Wording& wording;
        MessageBoxes& messages;
        const StringTable& strings;
        const MailerFactory& mailers;
        // Tells the user what writing the copy came to, in the words used wherever a sheet is
        // written; true when it was written.
        std::function<bool(const SheetResult&)> tellWriteResult;
        // A compose window that opens, or fails, after the wait is told while this exists.
        const QObject* lateReceiver = nullptr;
    };

    explicit SheetSender(const Context& context) : context_(context) {}

    void SendUpdatedSheet();

    // The absolute path with only the file name's extension replaced by ".t19", whatever the
    // case of the loaded ".t09"; folder names are never touched.
    static QString UpdatedSheetPath(const QString& sheetPath);

private:
    bool writeUpdatedSheet(const QString& path);
    void mailUpdatedSheet(const QString& path, const QString& address);

    Context context_;
};

} // namespace fyn
