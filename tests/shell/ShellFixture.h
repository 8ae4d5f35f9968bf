#pragma once
// Programs on a program folder the test chooses, so that two programs can run
// one after the other on the same folder (a restart), answered like
// TestProgram: a modal window needs an answer queued for it.

#include "runtime/TextFile.h"
#include "shell/Program.h"
#include "shell/frmMain.h"
#include "support/FileBytes.h"
#include "support/Printing.h"
#include "support/TestProgram.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// A program on `folder` in test mode; EndProgram counts the ends.
class ProgramOn {
public:
    explicit ProgramOn(const QString& folder) : p_(std::make_unique<Program>(folder)) {
        answerModalsInTest(p_->host.modal);
        p_->shell.EndProgram = [this] { ++ends; };
    }
    ~ProgramOn() { expectAllAnswersTaken(p_->host.modal); }
    Program& operator*() { return *p_; }
    Program* operator->() { return p_.get(); }
    frmMain& main() { return p_->main(); }

    template <class F> void answer(std::function<void(F&)> fn) {
        queueAnswer(p_->host.modal, std::move(fn));
    }
    void reply(int button, Message* seen = nullptr) { queueReply(p_->host.modal, button, seen); }

    int ends = 0;

private:
    std::unique_ptr<Program> p_;
};

// A temporary program folder: a copy of the template, or empty.
class ProgramFolder {
public:
    explicit ProgramFolder(bool fromTemplate = true) {
        EXPECT_TRUE(dir_.isValid());
        if (fromTemplate) {
            EXPECT_TRUE(copyTree(QStringLiteral(MIREL_DIST_DIR), dir_.path()));
        }
    }
    QString path() const { return dir_.path(); }
    QString file(const QString& relative) const { return dir_.path() + "/" + relative; }
    QString write(const QString& relative, const QByteArray& bytes) const {
        return writeFileAt(file(relative), bytes);
    }
    QStringList lines(const QString& relative) const {
        return runtime::ReadTextFile(file(relative)).lines;
    }
    bool exists(const QString& relative) const { return QFileInfo::exists(file(relative)); }

private:
    QTemporaryDir dir_;
};
