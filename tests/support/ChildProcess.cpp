#include "ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fyn::test {

namespace {

constexpr int kSetupFailed = 3;

bool applyLimits(const ChildLimits& limits) {
    if (limits.fileSizeLimit >= 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const auto size = static_cast<rlim_t>(limits.fileSizeLimit);
        const rlimit limit{size, size};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            return false;
        }
    }
    if (limits.dropRoot && ::geteuid() == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(ChildProcess::kNobody) != 0 ||
            ::setuid(ChildProcess::kNobody) != 0) {
            return false;
        }
    }
    return true;
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

QByteArray readAll(int fd) {
    QByteArray bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return bytes;
        }
        bytes.append(buffer, got);
    }
}

} // namespace

bool ChildProcess::runningAsRoot() {
    return ::geteuid() == 0;
}

std::optional<QByteArray> ChildProcess::run(const ChildLimits& limits,
                                            const std::function<QByteArray()>& body) {
    int pipeEnds[2];
    // Programs the child starts must not hold the answer open after the child has ended.
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) {
        return std::nullopt;
    }
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        return std::nullopt;
    }
    if (child == 0) {
        ::close(pipeEnds[0]);
        if (!applyLimits(limits)) {
            ::_exit(kSetupFailed);
        }
        const bool sent = writeAll(pipeEnds[1], body());
        ::close(pipeEnds[1]);
        ::_exit(sent ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    const QByteArray answer = readAll(pipeEnds[0]);
    ::close(pipeEnds[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return answer;
}

} // namespace fyn::test
