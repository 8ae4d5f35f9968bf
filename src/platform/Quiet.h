#pragma once
// Runs a change of a control's items or selection from code without it
// counting as the user's: sets a flag for the scope and puts it back after.

namespace platform {

class Quiet {
public:
    explicit Quiet(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~Quiet() { flag_ = old_; }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;

private:
    bool& flag_;
    bool old_;
};

} // namespace platform
