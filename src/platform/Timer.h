#pragma once
// A timer: runs Timer every Interval milliseconds while Enabled, on the event
// loop. A new timer is enabled with an interval of 0, and an interval of 0
// never fires; setting the interval, or enabling a disabled timer, starts the
// count afresh (enabling an enabled timer changes nothing). tick() runs the
// handler once, at once, enabled or not: the tests and the macro interpreter
// drive timers that way.

#include <QString>
#include <functional>
#include <memory>

class QTimer;

namespace platform {

class Host;

class Timer {
public:
    Timer(Host& host, const QString& name);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const QString& name() const { return name_; }
    Host& host() const { return host_; }

    int interval() const { return interval_; }
    // Negative intervals count as 0.
    void setInterval(int ms);
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    // Whether the timer is counting (enabled with a positive interval).
    bool isRunning() const;

    void tick();

    std::function<void()> onTimer;

private:
    void restart();

    Host& host_;
    QString name_;
    std::unique_ptr<QTimer> timer_;
    int interval_ = 0;
    bool enabled_ = true;
};

} // namespace platform
