#pragma once
// Caps the size of files this process writes (root too): a write fails part way with EFBIG.

#include <csignal>
#include <sys/resource.h>

struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) {
        const rlimit limit{bytes, old_.rlim_max};
        active_ = active_ && setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        if (active_) setrlimit(RLIMIT_FSIZE, &old_);
    }
    bool active() const { return active_; }
    rlimit old_{};
    bool active_ = std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && getrlimit(RLIMIT_FSIZE, &old_) == 0;
};
