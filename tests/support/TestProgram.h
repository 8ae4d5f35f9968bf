#pragma once
// A fresh Program on a temporary copy of the program folder template, with
// modal windows answered by the test: queue an answer for each window the test
// expects, in order; a modal window shown with no answer queued fails the test
// with the window's name.

#include "platform/Form.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

class TestProgram {
public:
    TestProgram();
    ~TestProgram();

    Program& program() { return *program_; }
    Program* operator->() { return program_.get(); }
    frmMain& main() { return program_->main(); }
    // The temporary program folder.
    QString folder() const { return dir_.path(); }
    // Writes a file below the program folder (bytes as given).
    QString writeFile(const QString& relative, const QByteArray& bytes);

    // Queues an answer for the next modal window, which must be of type F.
    template <class F> void answer(std::function<void(F&)> fn) {
        program_->host.modal.pushAnswer([fn](platform::Form& form) {
            F* f = dynamic_cast<F*>(&form);
            if (!f) {
                ADD_FAILURE() << "modal window " << form.name().toStdString()
                              << " was shown where the test expected another window";
                return;
            }
            fn(*f);
        });
    }

private:
    QTemporaryDir dir_;
    std::unique_ptr<Program> program_;
};

// Copies a folder tree (the program folder template) into another folder.
bool copyTree(const QString& from, const QString& to);
