#include "platform/Timer.h"

#include <QTimer>
#include <algorithm>

namespace platform {

Timer::Timer(Host& host, const QString& name)
    : host_(host), name_(name), timer_(std::make_unique<QTimer>()) {
    timer_->setObjectName(name);
    QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] { tick(); });
}

Timer::~Timer() = default;

void Timer::restart() {
    timer_->stop();
    if (enabled_ && interval_ > 0) timer_->start(interval_);
}

void Timer::setInterval(int ms) {
    interval_ = std::max(ms, 0);
    restart();
}

void Timer::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    restart();
}

bool Timer::isRunning() const {
    return timer_->isActive();
}

void Timer::tick() {
    if (onTimer) onTimer();
}

} // namespace platform
