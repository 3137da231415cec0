#pragma once

#include "CommandRunner.h"

#include <QProcess>
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
    void forgetEnded();

    std::vector<std::unique_ptr<QProcess>> handedOver_;
};

} // namespace fyn
