#pragma once

#include <QLibrary>
#include <QString>

namespace fyn {

// A part of Fyn built as a shared object of its own, so that the libraries it needs are loaded
// when it is first used rather than at every start. The modules live in Fyn's private library
// folder, lib/<triplet>/fyn beside the program's bin folder; the build tree keeps that layout
// around the program it builds, and in a build with the tests FYN_MODULE_DIR names another folder
// (the package's build, without them, ignores it). A module is never unloaded: the libraries it
// brings keep state that cannot be set up a second time.
class PrivateModule {
public:
    // name is the file's name without ".so".
    explicit PrivateModule(const QString& name);

    // The module's C function of that name, the module being loaded on the first call; null
    // when the module or the function is missing, and errorString() then names the file and
    // the reason.
    // A module built for another interface (ModuleInterface.h) counts as missing.
    template <class Function> Function* function(const char* symbol) {
        // QLibrary answers every function as void(); the module's header declares its real type.
        return reinterpret_cast<Function*>(resolve(symbol));
    }
    QString errorString() const;

    static QString folder();

private:
    QFunctionPointer resolve(const char* symbol);
    bool loadCurrent();

    QLibrary library_;
    bool checked_ = false;
    bool current_ = false;
    QString otherVersion_;
};

} // namespace fyn
