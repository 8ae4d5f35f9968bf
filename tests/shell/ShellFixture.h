#pragma once
// Programs on a program folder the test chooses, so that two programs can run
// one after the other on the same folder (a restart), answered like
// TestProgram: a modal window needs an answer queued for it.

#include "platform/Form.h"
#include "runtime/TextFile.h"
#include "shell/Program.h"
#include "shell/frmMain.h"
#include "support/TestProgram.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// A program on `folder` in test mode; EndProgram counts the ends.
class ProgramOn {
public:
    explicit ProgramOn(const QString& folder) : p_(std::make_unique<Program>(folder)) {
        p_->host.modal.setTestMode(true);
        p_->host.modal.onUnanswered = [](platform::Form& form) {
            ADD_FAILURE() << "modal window " << form.name().toStdString()
                          << " was shown and the test queued no answer for it";
        };
        p_->shell.EndProgram = [this] { ++ends; };
    }
    ~ProgramOn() {
        EXPECT_EQ(p_->host.modal.pendingAnswers(), 0u)
            << "the test queued answers for windows that were never shown";
    }
    Program& operator*() { return *p_; }
    Program* operator->() { return p_.get(); }
    frmMain& main() { return p_->main(); }

    template <class F> void answer(std::function<void(F&)> fn) {
        p_->host.modal.pushAnswer([fn](platform::Form& form) {
            F* f = dynamic_cast<F*>(&form);
            if (!f) {
                ADD_FAILURE() << "modal window " << form.name().toStdString()
                              << " was shown where the test expected another window";
                return;
            }
            fn(*f);
        });
    }

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
        const QString target = file(relative);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile f(target);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << target.toStdString();
        f.write(bytes);
        return target;
    }
    QStringList lines(const QString& relative) const {
        return runtime::ReadTextFile(file(relative)).lines;
    }
    bool exists(const QString& relative) const { return QFileInfo::exists(file(relative)); }

private:
    QTemporaryDir dir_;
};

// SubRip entries numbered from 1, one text line each, a second apart.
inline QByteArray SubRip(int entries, const char* text = "Line") {
    QByteArray out;
    for (int i = 0; i < entries; ++i)
        out += QByteArray::number(i + 1) + "\r\n" +
               QString::asprintf("00:00:%02d,000 --> 00:00:%02d,500\r\n", i, i).toLatin1() + text +
               " " + QByteArray::number(i + 1) + "\r\n\r\n";
    return out;
}

// Lines joined by CR LF, each ended by one.
inline QByteArray Lines(const QStringList& lines) {
    QByteArray out;
    for (const QString& l : lines)
        out += l.toUtf8() + "\r\n";
    return out;
}
