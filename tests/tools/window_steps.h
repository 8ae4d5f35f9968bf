#pragma once
// What a user does at a shown window: type into a field (its text replaced),
// click a button, and a screenshot of the main window to look at.

#include "platform/Control.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QPixmap>
#include <QString>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace window_steps {

inline void type(platform::Control& field, const QString& text) {
    field.setFocus();
    QApplication::processEvents();
    QTest::keyClick(field.widget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field.widget(), text);
}

// Types the text and presses Enter in the field.
inline void typeAndEnter(platform::Control& field, const QString& text) {
    type(field, text);
    QTest::keyClick(field.widget(), Qt::Key_Return);
}

inline void click(platform::Control& button) {
    QTest::mouseClick(button.widget(), Qt::LeftButton);
    QApplication::processEvents();
}

// Saves <prefix>_<name>.png in the working folder.
inline void shot(frmMain& m, const char* prefix, const char* name) {
    QApplication::processEvents();
    const QPixmap picture = m.window()->grab();
    ASSERT_FALSE(picture.isNull());
    EXPECT_TRUE(picture.save(
        QStringLiteral("%1_%2.png").arg(QString::fromLatin1(prefix), QString::fromLatin1(name))));
}

} // namespace window_steps
