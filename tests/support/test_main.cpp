// Every test executable starts a QApplication on the offscreen platform, so
// windows are built and drawn without a display.

#include "platform/X11Colormaps.h"

#include <QApplication>
#include <clocale>
#include <gtest/gtest.h>

// Under the sanitizers: leaks that system libraries keep for the life of the
// process are named in tests/lsan.supp. Built into every test executable, so
// a test run from anywhere, and the child processes tests start, read it.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=1:abort_on_error=0";
}
extern "C" const char* __lsan_default_options() {
    return "suppressions=" MIREL_SOURCE_DIR "/tests/lsan.supp:print_suppressions=0";
}
extern "C" const char* __ubsan_default_options() {
    return "print_stacktrace=1:halt_on_error=1";
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::UseScreenColormaps(); // as the program does
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
