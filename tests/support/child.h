#pragma once

#include <csignal>
#include <functional>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs `check` in a child process after `setup` and tells whether both returned true.
inline bool in_child(const std::function<bool()> &setup, const std::function<bool()> &check)
{
    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0)
        ::_exit(setup() && check() ? 0 : 1);
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Runs `check` in a child process whose files may not grow past `limit` bytes (a write beyond
// fails with EFBIG, also for root) and tells whether it returned true.
inline bool in_child_with_file_limit(rlim_t limit, const std::function<bool()> &check)
{
    return in_child(
        [limit] {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit file_size{limit, limit};
            return ::setrlimit(RLIMIT_FSIZE, &file_size) == 0;
        },
        check);
}

// Runs `check` in a child process as the user nobody (a root test meets refusals there too) and
// tells whether it returned true.
inline bool in_child_as_nobody(const std::function<bool()> &check)
{
    return in_child([] { return ::setgid(65534) == 0 && ::setuid(65534) == 0; }, check);
}
