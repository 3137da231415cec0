#include "MailerFactory.h"

namespace fyn {

std::unique_ptr<Mailer> MailerFactory::create() const {
    auto mailer = std::make_unique<Mailer>(services_);
    mailer->setTimeouts(commandTimeoutMs_, composeTimeoutMs_);
    return mailer;
}

std::unique_ptr<Mailer> MailerFactory::create(MessageBoxes& messages) const {
    auto mailer = std::make_unique<Mailer>(Mailer::Services{
        services_.commands, services_.settings, messages, services_.busy, services_.strings});
    mailer->setTimeouts(commandTimeoutMs_, composeTimeoutMs_);
    return mailer;
}

void MailerFactory::setTimeouts(int commandMs, int composeMs) {
    commandTimeoutMs_ = commandMs;
    composeTimeoutMs_ = composeMs;
}

} // namespace fyn
