#pragma once
// Limits the size of the files this process writes (root too), so that a write
// fails part way as on a full disk, with EFBIG: SIGXFSZ is ignored from then on.

#include <csignal>
#include <sys/resource.h>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
        : active_(std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && getrlimit(RLIMIT_FSIZE, &old_) == 0) {
        const rlimit limit{bytes, old_.rlim_max};
        active_ = active_ && setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        if (active_) setrlimit(RLIMIT_FSIZE, &old_);
    }
    bool active() const { return active_; }

private:
    rlimit old_{};
    bool active_ = false;
};
