#pragma once
// The fixture of the control tests: a form of their own on a host of their
// own, shown on demand.

#include "platform/Form.h"
#include "platform/Host.h"

#include <QApplication>
#include <gtest/gtest.h>

struct FormFixture : ::testing::Test {
    platform::Host host;
    platform::Form form{host, "frmTest"};
    // Places the form at the screen's corner, shows it and lets it settle.
    void showForm() {
        form.move(0, 0, 9000, 6000);
        form.show();
        QApplication::processEvents();
    }
};
