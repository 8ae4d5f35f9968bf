#pragma once
// A fresh Program on a temporary copy of the program folder template, with
// modal windows answered by the test: queue an answer for each window the test
// expects, in order; a modal window shown with no answer queued fails the test
// with the window's name. Beside it, the loads and the message answers the
// tests of every subsystem share.

#include "platform/Form.h"
#include "platform/ModalService.h"
#include "shell/Program.h"
#include "shell/frmMain.h"
#include "support/FileBytes.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

class frmMessageBox;

// ---- Modal windows answered by the test ------------------------------------------

// Test mode for a modal service: a window shown with no answer queued fails the
// test with its name.
void answerModalsInTest(platform::ModalService& modal);
// Answers every modal window that has no answer queued generically: a
// message window with Cancel, any other window closed as from the window
// system. Each window's name is added to *shown, where given.
void answerModalsWithCancel(platform::ModalService& modal, QStringList* shown = nullptr);
// Fails the test when answers are left that no window took.
void expectAllAnswersTaken(const platform::ModalService& modal);

// Queues an answer for the next modal window, which must be of type F.
template <class F> void queueAnswer(platform::ModalService& modal, std::function<void(F&)> fn) {
    modal.pushAnswer([fn](platform::Form& form) {
        F* f = dynamic_cast<F*>(&form);
        if (!f) {
            ADD_FAILURE() << "modal window " << form.name().toStdString()
                          << " was shown where the test expected another window";
            return;
        }
        fn(*f);
    });
}

// What a message window showed: its title (Label4) and its text (Label1).
struct Message {
    QString title, text;
};
// Queues the answer to the next message window: what it showed is kept in
// *seen, where given, and `button` (frmMessageBox::Cancel, Ok, No or Yes) is
// pressed.
void queueReply(platform::ModalService& modal, int button, Message* seen = nullptr);

// ---- The program ---------------------------------------------------------------

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

    // The path of a file in the program's Data/Files folder.
    QString dataFilesPath(const QString& name) const;
    // Writes a file into Data/Files; returns its path.
    QString writeDataFile(const QString& name, const QByteArray& bytes);
    // Writes a file into Data/Files and loads it (see mustLoad); returns its path.
    QString loadDataFile(const QString& name, const QByteArray& bytes);

    // Queues an answer for the next modal window, which must be of type F.
    template <class F> void answer(std::function<void(F&)> fn) {
        queueAnswer(program_->host.modal, std::move(fn));
    }
    // Queues the answer to the next message window (see queueReply).
    void reply(int button, Message* seen = nullptr);

private:
    QTemporaryDir dir_;
    std::unique_ptr<Program> program_;
};

// Copies a folder tree (the program folder template) into another folder.
bool copyTree(const QString& from, const QString& to);

// ---- Loading and saving ----------------------------------------------------------

// What a load ended with: the format read and the row after the rows written.
struct Loaded {
    int format;
    int nextRow;
};
// Loads a file as the program's commands do: in `format` (0 detects), from row
// 1 or, with add, from the spare row after the last line; interactive asks the
// load's questions, progress logs the load in the progress window.
Loaded loadSubFile(Program& p, const QString& path, int format = 0, bool add = false,
                   bool interactive = false, bool progress = false);
// Loads a file with the format detected, asking nothing; a load that fails
// fails the test.
void mustLoad(Program& p, const QString& path);
// Writes the whole document in `format` to `path` (through the file chooser's
// name), making the folder first; true when it was written.
bool saveDocument(Program& p, const QString& path, int format);
