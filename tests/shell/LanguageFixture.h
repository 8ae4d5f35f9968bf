#pragma once
// Language packs written by the tests, and a program that starts with one:
// set.sdf names the pack and ticks "Use language pack", then the main window
// loads as at a start.

#include "ShellFixture.h"
#include "shell/LanguagePack.h"

#include <QProcess>
#include <QTest>

// The stored form of a plain line: each character (Latin-1) as its code XOR
// the key, eight digits wide.
inline QString ScrambleLine(const QString& plain) {
    QString out;
    for (const char c : plain.toLatin1())
        out += QStringLiteral("%1").arg(static_cast<unsigned char>(c) ^ 40715928, 8, 10,
                                        QLatin1Char('0'));
    return out;
}

// A pack's header for this version, then the body lines; every line scrambled.
inline QByteArray PackBytes(const QStringList& body, const QString& version = "4.00",
                            const QString& folder = "Test") {
    QStringList plain = {"Version:=" + version, "Name:=Testisch", "Author:=Tester",
                         "Folder:=" + folder, "unused"};
    plain << body;
    QStringList stored;
    for (const QString& line : plain)
        stored << ScrambleLine(line);
    return crlf(stored);
}

// set.sdf of the defaults with the language pack `file` in use (or not).
inline QStringList SettingsWithPack(const QString& file, bool use = true) {
    return QString(" 1| 0| 0| 0| 1| 1| 0| 1| 0| 0| 1|-1| 1| 1| 0| 0| 0| 0").split('|') +
           QStringList{use ? " 1" : " 0", file, " 0 ", " 0 "};
}

// A program on a copy of the template whose settings use the pack `file`,
// its main window loaded; what it asks is answered by `answers` first.
struct ProgramWithPack {
    ProgramFolder folder;
    std::unique_ptr<ProgramOn> p;
    explicit ProgramWithPack(const QString& file, const QByteArray& pack = {},
                             std::function<void(ProgramOn&)> answers = {}, bool use = true) {
        if (!pack.isEmpty()) folder.write("System/Language/" + file, pack);
        folder.write("System/Settings/set.sdf", crlf(SettingsWithPack(file, use)));
        p = std::make_unique<ProgramOn>(folder.path());
        if (answers) answers(*p);
        p->main().load();
    }
    Program& operator*() { return **p; }
    Program* operator->() { return &**p; }
};

// Presses a label used as a button with the mouse.
inline void Press(platform::Control& button) {
    QTest::mouseClick(button.widget(), Qt::LeftButton);
}

// Runs scripts/scramble-pack.py; its standard output, or a failed test.
inline QByteArray RunScrambler(const QStringList& arguments) {
    QProcess run;
    run.start("/usr/bin/python3",
              QStringList{QStringLiteral(MIREL_SOURCE_DIR) + "/scripts/scramble-pack.py"} +
                  arguments);
    EXPECT_TRUE(run.waitForFinished(30000));
    EXPECT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
    return run.readAllStandardOutput();
}
