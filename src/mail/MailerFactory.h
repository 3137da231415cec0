#pragma once

#include "Mailer.h"

#include <memory>

namespace fyn {

// Makes a mailer per message, each reading the settings afresh.
class MailerFactory {
public:
    explicit MailerFactory(const Mailer::Services& services) : services_(services) {}

    std::unique_ptr<Mailer> create() const;
    // A mailer that tells its failures to messages instead, for a run that sums them up.
    std::unique_ptr<Mailer> create(MessageBoxes& messages) const;
    // For tests that cannot wait a minute for a command to time out.
    void setTimeouts(int commandMs, int composeMs);

private:
    Mailer::Services services_;
    int commandTimeoutMs_ = Mailer::kCommandTimeoutMs;
    int composeTimeoutMs_ = Mailer::kComposeTimeoutMs;
};

} // namespace fyn
