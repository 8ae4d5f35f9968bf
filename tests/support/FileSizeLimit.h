#pragma once
// Limits the size of files this process may write (which binds root too), so
// a write fails part way as on a full disk; SIGXFSZ is ignored meanwhile so
// the write reports EFBIG instead of ending the process.

#include <csignal>
#include <sys/resource.h>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        if (getrlimit(RLIMIT_FSIZE, &old_) != 0) return;
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        if (active_) setrlimit(RLIMIT_FSIZE, &old_);
        if (oldHandler_ != SIG_ERR) std::signal(SIGXFSZ, oldHandler_);
    }
    bool active() const { return active_; }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = SIG_ERR;
    bool active_ = false;
};
