#include "tools/Partition.h"

#include "document/Formats.h"
#include "document/MessageWindow.h"
#include "platform/Grid.h"
#include "runtime/Numbers.h"
#include "runtime/ProgramFolder.h"
#include "runtime/Strings.h"
#include "runtime/TextFile.h"
#include "shell/TextTables.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace partition {

namespace {

constexpr int CaptionLimit = 70, CaptionEnds = 33;

QString BeforeFirstDot(const QString& name) {
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

QString Shown(const QString& text) {
    return QLatin1Char('"') + MessageWindow::Verbatim(text) + QLatin1Char('"');
}

QString ItemProblem(const TextTables& t, const SpanItem& item, int number, bool namesMatter) {
    const QString part = runtime::TrimStr(number);
    if (namesMatter) {
        const QString problem = NameProblem(t, item.name);
        if (!problem.isEmpty()) return t.Say("Part %1 (%2) %3", part, Shown(item.name), problem);
    }
    if (!IsLength(item.length))
        return t.Say("Part %1: its length %2 is no time code; write it as hh:mm:ss,fff.", part,
                     Shown(item.length));
    return {};
}

// Two parts that would write one file (compared without case, as many
// file systems do).
QString SameFileProblem(const TextTables& t, const std::vector<SpanItem>& items, int format) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        const QString file = PartFileName(items[i].name, format);
        for (std::size_t k = i + 1; k < items.size(); ++k) {
            if (PartFileName(items[k].name, format).compare(file, Qt::CaseInsensitive) != 0)
                continue;
            return t.Say("Parts %1 and %2 would both write %3. Give each part a name of its own.",
                         runtime::TrimStr(i + 1), runtime::TrimStr(k + 1), Shown(file));
        }
    }
    return {};
}

} // namespace

std::vector<SpanItem> SpanItems(const platform::Grid& list) {
    std::vector<SpanItem> items;
    for (int r = 1; r <= list.rows() - 2; ++r)
        items.push_back({list.textMatrix(r, 1), list.textMatrix(r, 2)});
    return items;
}

QString PartFileName(const QString& name, int format) {
    return BeforeFirstDot(name) + formats::WrittenExtension(format);
}

QString NameProblem(const TextTables& t, const QString& name) {
    const QString base = BeforeFirstDot(name);
    if (runtime::Trim(base).isEmpty()) return t.Say("has no name before its first \".\".");
    if (base.contains(QLatin1Char('/')) || base.contains(QLatin1Char('\\')))
        return t.Say("holds a folder separator; a part is a file name only.");
    if (base.contains(QLatin1Char(':')))
        return t.Say("holds a drive colon; a part is a file name only.");
    for (const QChar c : base)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) return t.Say("holds a control character.");
    return {};
}

bool IsLength(const QString& length) {
    static const QRegularExpression form(
        QStringLiteral("^[0-9]{2}:[0-5][0-9]:[0-5][0-9][,.][0-9]{3}$"));
    return form.match(length).hasMatch();
}

QString CheckSpanItems(const TextTables& t, const std::vector<SpanItem>& items, int format,
                       bool namesMatter) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        const QString problem = ItemProblem(t, items[i], static_cast<int>(i + 1), namesMatter);
        if (!problem.isEmpty()) return problem;
    }
    return namesMatter ? SameFileProblem(t, items, format) : QString();
}

QString PreviewFile(const runtime::ProgramFolder& folder, int item) {
    return folder.path(runtime::Place::ScratchFolder,
                       QStringLiteral("Splitprv.") + QString::number(item).rightJustified(3, u'0'));
}

void DeletePreviewFiles(const runtime::ProgramFolder& folder) {
    QDir scratch(folder.path(runtime::Place::ScratchFolder));
    const QStringList files =
        scratch.entryList({QStringLiteral("Splitprv.*")}, QDir::Files | QDir::Hidden);
    for (const QString& file : files)
        QFile::remove(scratch.filePath(file));
}

QString ReadPreview(const QString& path) {
    const runtime::TextFileContent content = runtime::ReadTextFile(path);
    return content.ok ? content.lines.join(runtime::CrLf) : QString();
}

QString PreviewCaption(int item, const QString& name, const QString& formatName) {
    const QString label =
        BeforeFirstDot(name) + QStringLiteral(" [") + formatName + QLatin1Char(']');
    const QString head = QStringLiteral("# ") + runtime::TrimStr(item) + QStringLiteral(" = ");
    if (label.size() <= CaptionLimit) return head + label;
    return head + runtime::Trim(label.left(CaptionEnds)) + QStringLiteral(" .. ") +
           runtime::Trim(label.right(CaptionEnds));
}

} // namespace partition
