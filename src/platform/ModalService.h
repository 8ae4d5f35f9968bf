#pragma once
// Shows windows modally. In the running program a modal window runs its own
// event loop until it hides; in a test, answerers queued on the service take
// the place of the user: each one receives the window, fills its fields and
// presses one of its buttons, and no event loop runs.

#include <QString>
#include <deque>
#include <functional>

namespace platform {

class Form;

class ModalService {
public:
    using Answerer = std::function<void(Form&)>;

    // Test mode: modal windows are answered by the queued answerers; a window
    // shown with none queued is reported to the unanswered handler and then
    // closed as the user would close it (not through one of its buttons).
    void setTestMode(bool on) { testMode_ = on; }
    bool testMode() const { return testMode_; }
    void pushAnswer(Answerer answerer) { answers_.push_back(std::move(answerer)); }
    std::size_t pendingAnswers() const { return answers_.size(); }
    void clearAnswers() { answers_.clear(); }
    std::function<void(Form&)> onUnanswered;

    // Shows the form modally and returns when it has been hidden or unloaded.
    void run(Form& form);

    // How many modal windows are open, innermost last.
    int depth() const { return depth_; }
    // Names of the windows shown modally so far (for tests).
    const std::vector<QString>& history() const { return history_; }

private:
    bool testMode_ = false;
    std::deque<Answerer> answers_;
    std::vector<QString> history_;
    int depth_ = 0;
};

} // namespace platform
