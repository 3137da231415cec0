#pragma once

#include "CommandRunner.h"

#include <QProcess>
#include <QTemporaryFile>
#include <memory>
#include <vector>

namespace fyn {

// The command runner over QProcess.
class ProcessCommandRunner final : public CommandRunner {
public:
    ProcessCommandRunner();
    ~ProcessCommandRunner() override;
    ProcessCommandRunner(const ProcessCommandRunner&) = delete;
    ProcessCommandRunner& operator=(const ProcessCommandRunner&) = delete;

    Result run(const Request& request) override;
    bool startDetached(const QString& program, const QStringList& arguments) override;
    QString findProgram(const QString& program) const override;

    // Commands left running at their timeout that have not ended yet.
    int handedOverCount();

private:
    struct HandedOver {
        std::unique_ptr<QProcess> process;
        // Its error output, read when it ends.
        std::unique_ptr<QTemporaryFile> errors;
    };
    static Result ended(QProcess& process, QTemporaryFile* errors);
    void forgetEnded();
    void watch(HandedOver handedOver, const Request& request);

    std::vector<HandedOver> handedOver_;
};

} // namespace fyn
