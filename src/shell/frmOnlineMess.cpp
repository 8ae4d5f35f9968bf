#include "shell/frmOnlineMess.h"

#include "shell/Program.h"
#include "shell/frmMain.h"

namespace {
constexpr int WindowWidth = 7800, WindowHeight = 6000;
} // namespace

frmOnlineMess::frmOnlineMess(Program& p)
    : Form(p.host, "frmOnlineMess", Style::Dialog), brwHelp(*this, "brwHelp"),
      cmdClose(*this, "cmdClose", "Close") {
    setCaption(QStringLiteral("Mirel News"));
    int left = 0, top = 0;
    if (p.hasMain()) {
        const frmMain& main = p.main();
        left = main.left() + (main.width() - WindowWidth) / 2;
        top = main.top() + (main.height() - WindowHeight) / 2;
    }
    move(left, top, WindowWidth, WindowHeight);
    brwHelp.move(120, 120, WindowWidth - 240, WindowHeight - 720);
    cmdClose.move(WindowWidth - 1335, WindowHeight - 495, 1215, 375);
    cmdClose.setDefault(true);
    cmdClose.setCancel(true);
    cmdClose.onClick = [this] { unload(); };
}
