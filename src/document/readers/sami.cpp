// SAMI (.smi, .sami): a style header, then a body of sync points. Each
// "<SYNC Start=ms>" opens a block that holds what follows it up to the next
// sync point; a block with text becomes a row from its own time to the next
// sync point's, a block that only clears the screen ("&nbsp;") ends the one
// before it. A text that no clearing block ends has no end time of its own:
// the frame ends it where the next one starts, and the user is told so as
// the file is read. Mirel writes a block per line pair
// ("<SYNC START=ms>" then "<P>text"), other programs often put the paragraph
// on the sync line and the text on the lines after it; both read the same. The text is taken after
// the paragraph tag and parted at "<br>"; other mark-up stays in the text.
// The header's "font-size: " gives the size of every row's font.

#include "document/FontSpec.h"
#include "document/ReaderFrame.h"
#include "document/readers/Common.h"
#include "shell/Program.h"

#include <QVarLengthArray>

#include <optional>

namespace {

const QLatin1String SyncTag("<sync start=");
const QLatin1String Paragraph("<p");
const QLatin1String Clearing("&nbsp;");
const QLatin1String ClosingParagraph("</p>");
const QString LineBreak = QStringLiteral("<br>");
const QString FontSizeKey = QStringLiteral("font-size: ");

using readers::FindTag;

// A paragraph that carries text (not the clearing "&nbsp;"): one per line
// of the file's text, whatever the layout, so the count is whole.
bool CountsLine(const QString& line) {
    return FindTag(line, Paragraph) >= 0 && FindTag(line, Clearing) < 0;
}

// The size after the header's "font-size: ": the leading digits of the two
// characters that follow (24pt gives 24, 8pt 8, 100% 10, large nothing).
QString FontSizeIn(const QString& line, const QString& size) {
    const qsizetype at = line.indexOf(FontSizeKey, 0, Qt::CaseInsensitive);
    return at < 0 ? size : readers::TwoDigitSize(line, at + FontSizeKey.size());
}

// One sync point: its time and what the file holds after it. The pieces
// look into the file's lines, which stay as they are for the whole read.
struct SyncBlock {
    QString time;                          // the time code, empty when the sync value was no number
    QVarLengthArray<QStringView, 4> parts; // the non-blank pieces of the file after the tag
};

// The time of "<SYNC Start=1500>..." (milliseconds, quotes allowed), or
// "" when the value is no number or a time no document holds.
QString SyncTime(QStringView piece) {
    QStringView value = piece.mid(SyncTag.size());
    value = value.left(value.indexOf(u'>'));
    value = value.left(value.indexOf(u' '));
    while (value.startsWith(u'"'))
        value = value.mid(1);
    while (value.endsWith(u'"'))
        value.chop(1);
    qlonglong ms = 0;
    bool ok = !value.isEmpty() && value.size() <= 15;
    for (qsizetype i = 0; ok && i < value.size(); ++i) { // digits alone, read at once
        ok = readers::IsDigit(value[i]);
        ms = ms * 10 + (value[i].unicode() - u'0');
    }
    if (!ok) ms = value.toLongLong(&ok); // signs, blanks and the rest as Qt reads them
    if (!ok) return {};
    return readers::MillisTime(ms); // below zero, its sign
}

// A block's text: after its first paragraph tag ("<p>" or "<p ...>"), or
// all of it when it has none. The pieces are joined by a blank, as a line
// end inside a paragraph is.
struct BlockText {
    QString text;
    bool paragraph = false; // a paragraph tag opened the text
};

// The block as the file holds it, its pieces joined by a blank.
QString Joined(const SyncBlock& b) {
    qsizetype size = 0;
    for (QStringView part : b.parts)
        size += part.size() + 1;
    QString text;
    text.reserve(size);
    for (QStringView part : b.parts) {
        if (!text.isEmpty()) text += u' ';
        text += part;
    }
    return text;
}

// Where the paragraph tag at or after `from` ends (one past its ">"), -1 for
// none; `at` takes where it starts.
qsizetype ParagraphEnd(const QString& text, qsizetype from, qsizetype& at) {
    for (qsizetype p = FindTag(text, Paragraph, from); p >= 0;
         p = FindTag(text, Paragraph, p + 1)) {
        const QChar after = p + 2 < text.size() ? text[p + 2] : QChar();
        if (after != u'>' && after != u' ') continue;
        const qsizetype close = text.indexOf(u'>', p);
        if (close < 0) return -1; // nothing closes a tag from here on
        at = p;
        return close + 1;
    }
    return -1;
}

// A later paragraph of the block (a second language's "<P Class=FRCC>")
// is a line of the row, not mark-up in its text.
BlockText TextOf(const SyncBlock& b) {
    QString text = Joined(b);
    text.remove(0, text.indexOf(u'>') + 1); // the sync tag
    qsizetype at = 0;
    qsizetype end = ParagraphEnd(text, 0, at);
    if (end < 0) return {text, false};
    QString lines; // built piece by piece: a block may hold many paragraphs
    qsizetype from = end;
    while ((end = ParagraphEnd(text, from, at)) >= 0) {
        lines += QStringView(text).sliced(from, at - from);
        lines += LineBreak;
        from = end;
    }
    lines += QStringView(text).sliced(from);
    return {lines, true};
}

// Nothing but "&nbsp;", "</p>" (any letter case) and blanks.
bool OnlyClearingMarks(QStringView text) {
    for (qsizetype i = 0; i < text.size();) {
        const QStringView rest = text.sliced(i);
        if (rest.startsWith(Clearing, Qt::CaseInsensitive))
            i += Clearing.size();
        else if (rest.startsWith(ClosingParagraph, Qt::CaseInsensitive))
            i += ClosingParagraph.size();
        else if (rest.startsWith(LineBreak)) // between the paragraphs of two languages
            i += LineBreak.size();
        else if (text[i].isSpace())
            ++i;
        else
            return false;
    }
    return true;
}

// A block that only clears the screen: nothing but "&nbsp;" and a closing
// paragraph tag, or no paragraph at all. An empty paragraph is a line
// without text (Mirel writes one for a row whose text is empty).
bool IsClearing(const BlockText& t) {
    const QStringView text = QStringView(t.text).trimmed();
    if (text.isEmpty()) return !t.paragraph;
    if (FindTag(text, Clearing) < 0 && FindTag(text, ClosingParagraph) < 0) return false;
    if (OnlyClearingMarks(text)) return true;
    QString rest = text.toString(); // marks that stand inside one another
    rest.remove(Clearing, Qt::CaseInsensitive).remove(ClosingParagraph, Qt::CaseInsensitive);
    return rest.trimmed().isEmpty();
}

// The body's sync blocks, turned into rows as each one ends.
class SamiBody {
public:
    SamiBody(ReaderFrame& f, QString fontSpec) : f_(f), fontSpec_(std::move(fontSpec)) {}

    // A line of the body: what stands before its first sync tag belongs to
    // the open block, each sync tag opens the next.
    void read(QStringView line) {
        qsizetype at = FindTag(line, SyncTag);
        addPart(line.left(at));
        while (at >= 0) {
            const qsizetype next = FindTag(line, SyncTag, at + 1);
            startBlock(line.mid(at, next < 0 ? -1 : next - at).trimmed());
            at = next;
        }
    }
    // The body has ended: a text block still open has no sync point to end
    // it, and its row no end time (the frame gives it one after the read).
    void finish() { endBlock(); }

private:
    void addPart(QStringView piece) {
        const QStringView part = piece.trimmed();
        if (!part.isEmpty() && block_) block_->parts.append(part); // blank lines are skipped
    }
    void startBlock(QStringView piece) {
        endBlock();
        const QString time = SyncTime(piece);
        if (time.isEmpty()) f_.badLine(); // its text is passed over with it
        block_ = SyncBlock{time, {piece}};
    }
    // The open block ends. A block that clears the screen ends the row
    // before it at its own time; a text becomes a row, which the file gives
    // no end unless a clearing block follows (the frame ends it where the
    // next row starts).
    void endBlock() {
        if (!block_) return;
        const QString start = block_->time;
        const BlockText text = TextOf(*block_);
        // A text of more lines than a row holds is asked about as the block reads.
        const QString asRead = text.text.count(LineBreak) >= 3 ? Joined(*block_) : QString();
        block_.reset();
        if (start.isEmpty()) return;
        if (IsClearing(text)) {
            if (rowOpen_) f_.setEndTimeAfterStart(start);
            rowOpen_ = false;
            return;
        }
        rowOpen_ = readers::AddTimedRow(f_, start);
        if (!rowOpen_) return;
        f_.setFontSpec(fontSpec_);
        // The text's lines, parted at "<br>" (lower case only).
        if (asRead.isEmpty()) return readers::AddTextLines(f_, text.text, LineBreak);
        const QString shown = f_.currentFileLine(); // the next block's line
        f_.setCurrentFileLine(asRead);
        readers::AddTextLines(f_, text.text, LineBreak);
        f_.setCurrentFileLine(shown);
    }

    ReaderFrame& f_;
    QString fontSpec_;
    std::optional<SyncBlock> block_;
    bool rowOpen_ = false; // the last row waits for the block that ends it
};

// The header: every line before the first sync point. Returns the body's
// first line from its sync tag on (empty at the end of the file), and the
// font size.
QStringView ReadHeader(ReaderFrame& f, QString& size) {
    while (!f.atEnd()) {
        const QString& line = f.nextLine();
        const qsizetype sync = FindTag(line, SyncTag);
        if (sync >= 0) return QStringView(line).mid(sync);
        size = FontSizeIn(line, size);
    }
    return {};
}

ReadOutcome Parse(ReaderFrame& f) {
    QString size = QStringLiteral("16");
    const QStringView first = ReadHeader(f, size);
    const QString regular = StyleWords::of(f.program().texts).regular;
    SamiBody body(f, FontSpec::western(QStringLiteral("Arial"), regular, size).text());
    if (!first.isEmpty()) body.read(first);
    while (!f.atEnd()) {
        const QStringView line = QStringView(f.nextLine()).trimmed();
        if (line.startsWith(QLatin1String("</body>"), Qt::CaseInsensitive)) break;
        body.read(line);
    }
    body.finish();
    return ReadOutcome::Finished;
}

} // namespace

const SubtitleReader readers::Sami{{false, false, false}, &CountsLine, &Parse};
