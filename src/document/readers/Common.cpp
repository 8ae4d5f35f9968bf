#include "document/readers/Common.h"

#include "document/ReaderFrame.h"
#include "document/TimeCode.h"
#include "runtime/Numbers.h"
#include "shell/Program.h"

namespace readers {

QString FrameTime(ReaderFrame& frame, double frames) {
    const double rate = runtime::Val(frame.program().shell.FrameRateText);
    if (rate == 0) return QStringLiteral("00:00:00,000");
    if (frames < 0) // before the start of the film: the program's negative form
        return TimeCalc(QStringLiteral("00:00:00,000"), FrameTime(frame, -frames),
                        QStringLiteral("-"));
    return SecToTime(runtime::NumberText(frames / rate));
}

QString BarSplit(ReaderFrame& frame, QString text) {
    for (int pieces = 0; pieces < 3; ++pieces) {
        const qsizetype bar = text.indexOf(QLatin1Char('|'));
        const QString piece = bar < 0 ? text : text.left(bar);
        if (bar >= 0) text = text.mid(bar + 1);
        frame.addText(piece);
        if (bar < 0) break;
    }
    return text;
}

} // namespace readers
