#pragma once

#include "CommandRunner.h"

#include <QProcess>
#include <memory>
#include <vector>

namespace fyn {

class BusyIndicator;

// The command runner over QProcess. The busy indicator covers every wait, whoever asks for it.
class ProcessCommandRunner final : public CommandRunner {
public:
    explicit ProcessCommandRunner(BusyIndicator& busy);
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

    BusyIndicator& busy_;
    std::vector<std::unique_ptr<QProcess>> handedOver_;
};

} // namespace fyn
