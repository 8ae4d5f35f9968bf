#include "platform/ModalService.h"

#include "platform/Form.h"

#include <QEventLoop>
#include <QWidget>

namespace platform {

void ModalService::run(Form& form) {
    history_.push_back(form.name());
    ++depth_;
    ++form.modalDepth_;
    // While it is open a modal window stays above the program's other
    // windows: one shown meanwhile (the main window at the end of the
    // start-up) would otherwise cover it and take no clicks.
    QWidget* window = form.window();
    const bool wasOnTop = window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (!wasOnTop && !window->isVisible()) window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (testMode_) {
        form.show();
        if (form.visible()) {
            if (!answers_.empty()) {
                Answerer answer = std::move(answers_.front());
                answers_.pop_front();
                answer(form);
            } else if (onUnanswered) {
                onUnanswered(form);
            }
        }
        // An answer that pressed no closing button leaves the window as the
        // user leaves it when closing it from the window system.
        if (form.visible()) form.requestClose();
        if (form.visible()) form.hide();
    } else {
        QEventLoop loop;
        QEventLoop* outer = form.modalLoop_;
        form.modalLoop_ = &loop;
        form.window()->setWindowModality(Qt::ApplicationModal);
        form.show();
        form.window()->activateWindow(); // its keys (Enter, Escape) reach it at once
        if (form.visible()) loop.exec();
        form.window()->setWindowModality(Qt::NonModal);
        form.modalLoop_ = outer;
    }
    if (!wasOnTop && !window->isVisible()) window->setWindowFlag(Qt::WindowStaysOnTopHint, false);
    --form.modalDepth_;
    --depth_;
}

} // namespace platform
