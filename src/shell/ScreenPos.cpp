#include "shell/ScreenPos.h"

#include "runtime/TextFile.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

#include <QRect>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

namespace {

// How much of the window must lie on the screen to be reached with the mouse.
constexpr int MinVisibleWidth = 1500, MinVisibleHeight = 450;

std::optional<int> Twips(const QString& line) {
    bool ok = false;
    const double value = line.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > 1e9) return std::nullopt;
    return static_cast<int>(std::lround(value));
}

// Left, Top, Width, Height as the file holds them.
std::optional<std::array<int, 4>> ReadPosition(const QString& path) {
    const runtime::TextFileContent file = runtime::ReadTextFile(path);
    std::array<int, 4> values{};
    int found = 0;
    for (const QString& line : file.lines) {
        if (found == 4) break;
        if (line.trimmed().isEmpty()) continue;
        const std::optional<int> v = Twips(line);
        if (!v) return std::nullopt;
        values[static_cast<std::size_t>(found++)] = *v;
    }
    if (found < 4 || values[2] <= 0 || values[3] <= 0) return std::nullopt;
    return values;
}

bool ReachableOnScreen(const std::array<int, 4>& pos, const platform::Screen& screen) {
    const QRect window(pos[0], pos[1], pos[2], pos[3]);
    const QRect visible = window.intersected(QRect(0, 0, screen.width(), screen.height()));
    return visible.width() >= MinVisibleWidth && visible.height() >= MinVisibleHeight;
}

} // namespace

namespace {
// A span of `size` from `start` inside 0 .. `room`, never below `least`; a
// room smaller than the least span leaves the span as it was.
std::pair<int, int> KeptInside(int start, int size, int room, int least) {
    if (room < least) return {start, size};
    const int kept = std::clamp(size, least, room);
    return {std::clamp(start, 0, room - kept), kept};
}
} // namespace

QRect KeptOnScreen(const QRect& window, int screenWidth, int screenHeight) {
    const auto [left, width] =
        KeptInside(window.x(), window.width(), screenWidth, frmMain::MinWidth);
    const auto [top, height] =
        KeptInside(window.y(), window.height(), screenHeight, frmMain::MinHeight);
    return {left, top, width, height};
}

void SetScreenPos(Program& p, frmMain& main) {
    const auto pos = ReadPosition(p.folder.path(runtime::Place::PositionFile));
    if (pos && ReachableOnScreen(*pos, p.host.screen)) {
        const QRect kept = KeptOnScreen(QRect((*pos)[0], (*pos)[1], (*pos)[2], (*pos)[3]),
                                        p.host.screen.width(), p.host.screen.height());
        main.move(kept.x(), kept.y(), kept.width(), kept.height());
        main.Resize();
        return;
    }
    const platform::Screen& screen = p.host.screen;
    main.move(screen.width() / 2 - frmMain::MinWidth / 2,
              screen.height() / 2 - frmMain::MinHeight / 2, frmMain::MinWidth, frmMain::MinHeight);
    main.Resize();
}
