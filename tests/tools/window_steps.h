#pragma once
// What a user does at a shown window: type into a field (its text replaced),
// click a button, and a screenshot of the main window to look at.

#include "platform/Control.h"
#include "shell/frmMain.h"
#include "support/WindowLook.h"

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
    window_look::SaveShot(m.window(), QStringLiteral("%1_%2.png").arg(prefix, name));
}

} // namespace window_steps
