#pragma once

#include <QByteArray>
#include <functional>
#include <optional>

namespace fyn::test {

// What the child process may not do, to make a write fail for real.
struct ChildLimits {
    // RLIMIT_FSIZE in bytes, with SIGXFSZ ignored so that writes fail with EFBIG; < 0: none.
    qint64 fileSizeLimit = -1;
    // Run as user and group nobody (65534) when started as root, so that permissions count.
    bool dropRoot = false;
};

// Runs a function in a forked child, so that limits and lost privileges stay there. The child
// answers through a pipe and ends with _exit, without running the parent's exit handlers.
class ChildProcess {
public:
    static constexpr unsigned kNobody = 65534;

    // The bytes the function returned, or nothing when the child did not end normally or
    // could not apply the limits.
    static std::optional<QByteArray> run(const ChildLimits& limits,
                                         const std::function<QByteArray()>& body);
    static bool runningAsRoot();
};

} // namespace fyn::test
