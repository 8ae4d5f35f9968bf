#include "support/OwnDisplay.h"

#include <QApplication>
#include <QMap>
#include <QProcess>
#include <QWidget>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

static const char* const ChildMark = "MIREL_OWN_DISPLAY_CHILD";

bool runInChildOnOwnDisplay(const std::vector<std::pair<QString, QString>>& environment) {
    if (qEnvironmentVariableIsSet(ChildMark)) return false;
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    QProcess server;
    server.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1280x1024x24"});
    EXPECT_TRUE(server.waitForStarted(5000)) << "Xvfb is needed for this test";
    QByteArray number;
    while (!number.contains('\n') && server.waitForReadyRead(10000))
        number += server.readAllStandardOutput();
    EXPECT_TRUE(number.contains('\n')) << "the X server gave no display number";
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(ChildMark, "1");
    env.insert("DISPLAY", ":" + QString::fromLatin1(number.trimmed()));
    env.insert("QT_QPA_PLATFORM", "xcb");
    for (const auto& [name, value] : environment)
        env.insert(name, value);
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(
        QCoreApplication::applicationFilePath(),
        {QStringLiteral("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name())});
    if (!child.waitForFinished(60000)) child.kill(); // then it ends with no "PASSED"
    const std::string output = QString::fromLocal8Bit(child.readAll()).toStdString();
    server.terminate();
    server.waitForFinished(5000);
    EXPECT_TRUE(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0) << output;
    EXPECT_NE(output.find("[  PASSED  ] 1 test"), std::string::npos) << output;
    return true;
}

QStringList StackedWindows() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11) return {"not on an X display"};
    QMap<xcb_window_t, QString> ours;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !w->objectName().isEmpty())
            ours.insert(static_cast<xcb_window_t>(w->winId()), w->objectName());
    xcb_connection_t* c = x11->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr);
    QStringList stacked;
    const xcb_window_t* children = tree ? xcb_query_tree_children(tree) : nullptr;
    for (int i = 0; tree && i < xcb_query_tree_children_length(tree); ++i) {
        if (!ours.contains(children[i])) continue;
        xcb_get_window_attributes_reply_t* a =
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, children[i]), nullptr);
        if (a && a->map_state == XCB_MAP_STATE_VIEWABLE) stacked << ours.value(children[i]);
        free(a);
    }
    free(tree);
    return stacked;
}
