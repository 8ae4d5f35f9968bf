#include "shell/TextTables.h"

#include <QRegularExpression>
#include <QStringList>
#include <iterator>

namespace {

struct BuiltInText {
    int col;
    int row;
    const char* text;
    const char* desc; // nullptr: no description
};

// The English texts the program starts with.
constexpr BuiltInText BuiltInTexts[] = {
    {0, 0, "Preview", "Show preview of subtitle file"},
    {0, 1, "Preview.Exit", "Exit preview of subtitle file"},
    {1, 0, "Copy.To.A", "Copy item to calculator field 'A'"},
    {1, 1, "Copy.To.First", "Copy item to 'First' field"},
    {1, 2, "Copy.To.Start", "Copy item to 'Start' field"},
    {1, 3, "Copy.To.Duration", "Copy item to 'Duration'"},
    {1, 4, "Copy.To.Spreadsheet", "Copy item to 'Spreadsheet'"},
    {1, 5, "Copy.To.Partitionlist", "Copy item to 'Partition List'"},
    {2, 0, "Copy.To.B", "Copy item to calculator field 'B'"},
    {2, 1, "Copy.To.Last", "Copy item to 'Last' field"},
    {2, 2, "Copy.To.End", "Copy item to 'End' field"},
    {3, 0, "Running", nullptr},
    {3, 1, "Stopped", nullptr},
    {3, 2, "Paused", nullptr},
    {3, 3, "Updating file info. Please wait", nullptr},
    {3, 4, "Media Player", nullptr},
    {4, 0, "Row", nullptr},
    {4, 1, "Col", nullptr},
    {4, 2, "functions left", nullptr},
    {4, 3, "Execute list", nullptr},
    {4, 4, "updated", nullptr},
    {4, 5, "file(s)", nullptr},
    {4, 6, "Closing", nullptr},
    {4, 7, "Closed", nullptr},
    {4, 8, "Chatting with", nullptr},
    {4, 9, "Waiting for call on address", nullptr},
    {4, 10, "Start", nullptr},
    {4, 11, "End", nullptr},
    {4, 12, "Text", nullptr},
    {4, 13, "Beginning", nullptr},
    {4, 14, "Filename", nullptr},
    {4, 15, "File Time", nullptr},
    {4, 16, "Original Name", nullptr},
    {4, 17, "FTP Name", nullptr},
    {4, 18, "Format", nullptr},
    {4, 19, "Language", nullptr},
    {4, 20, "Editor", nullptr},
    {4, 21, "Function", nullptr},
    {4, 22, "Timecode", nullptr},
    {4, 23, "Value", nullptr},
    {4, 24, "Convert", nullptr},
    {4, 25, "Regular", nullptr},
    {4, 26, "Bold", nullptr},
    {4, 27, "Italic", nullptr},
    {4, 28, "All Formats", nullptr},
    {4, 29, "All Languages", nullptr},
    {4, 30, "No Action", nullptr},
    {4, 31, "Scanning Database", nullptr},
    {4, 32, "Record.Start", nullptr},
    {4, 33, "Record.Stop", nullptr},
    {4, 34, "Recording macro", nullptr},
    {4, 35,
     "This will permanently delete the selected item./nAre you sure you want to continue?    ",
     nullptr},
    {4, 36,
     "This will only remove the selected item from the index./nYou can restore the item with "
     "the 'Restore' function./nAre you sure you want to continue?",
     nullptr},
    {4, 37, "Delete Item", nullptr},
    {4, 38, "Remove Item", nullptr},
    {4, 39, "Ready", nullptr},
    {4, 40, "Error loading languagefile.", nullptr},
    {4, 41, "Language file error", nullptr},
    {5, 0, "Please enter a Nickname before connecting.", nullptr},
    {5, 1, "Failed to load copy file.", nullptr},
    {5, 2, "Enter at least 3 characters.", nullptr},
    {6, 0, "Load a file.", nullptr},
    {6, 1, "Save subtitle file.", nullptr},
    {7, 0, "Defined Variables:", nullptr},
    {8, 1, "Language pack:", nullptr},
    {8, 2, "Author:", nullptr},
    {8, 3, "Programmed by", nullptr},
    {8, 4, "Build", nullptr},
    {9, 0, "Media analiser started ... ", nullptr},
    {9, 1, "File opened: ", nullptr},
    {9, 2, "Started reading:", nullptr},
    {9, 3, "Script analiser started ... ", nullptr},
    {9, 4, "Format:", nullptr},
    {9, 5, "Lines counted:", nullptr},
    {9, 6, "Please wait. Analising and configuring read data ...", nullptr},
    {9, 7, "File has corrupted information. Don't know what to do with this line.", nullptr},
    {9, 8, "Display this window on each error?", nullptr},
    {9, 9, "Reading succesfull but with errors.", nullptr},
    {9, 10, "Unknown subtitle format or data encountered.", nullptr},
    {9, 11, "Could not determine proper format.", nullptr},
    {9, 12, "Please re-select format to force reading this file.", nullptr},
    {9, 13, "Error", nullptr},
    {9, 14, "Reading failure.", nullptr},
    {9, 15, "Reading finished.", nullptr},
    {9, 16, "File closed.", nullptr},
    {9, 17, "Succesfull reading", nullptr},
    {9, 18, "The maximum amount of 99 files is reached./nCan not add the file.", nullptr},
    {9, 19, "Not Supported", nullptr},
    {9, 20, "Supported", nullptr},
};

// The English of the own texts, in the order of OwnText.
constexpr const char* OwnTexts[] = {"File",
                                    "Scan",
                                    "Summary",
                                    "Solutions",
                                    "Lines",
                                    "Words",
                                    "Multi Lines",
                                    "Date",
                                    "Time",
                                    "Duration",
                                    "Count",
                                    "Frames",
                                    "Node",
                                    "Line",
                                    "Detected",
                                    "Fixed",
                                    "Remaining",
                                    " to ",
                                    "No server is set: nothing is fetched."};
static_assert(std::size(OwnTexts) == static_cast<std::size_t>(OwnText::Count));

} // namespace

int TextTables::position(int col, int row) {
    if (col < 0 || col >= Columns || row < 0 || row >= Rows) return -1;
    return col + Columns * row;
}

QString TextTables::TextTable(int col, int row) const {
    const int at = position(col, row);
    return at < 0 ? QString() : text_[at];
}

QString TextTables::TextDescTable(int col, int row) const {
    const int at = position(col, row);
    return at < 0 ? QString() : desc_[at];
}

bool TextTables::setTextTable(int col, int row, const QString& text) {
    const int at = position(col, row);
    if (at < 0) return false;
    text_[at] = text;
    return true;
}

bool TextTables::setTextDescTable(int col, int row, const QString& text) {
    const int at = position(col, row);
    if (at < 0) return false;
    desc_[at] = text;
    return true;
}

bool TextTables::setOwn(int index, const QString& text) {
    if (index < 0 || index >= static_cast<int>(own_.size())) return false;
    own_[static_cast<std::size_t>(index)] = text;
    return true;
}

void TextTables::SetDefaultTexts() {
    for (const BuiltInText& t : BuiltInTexts) {
        setTextTable(t.col, t.row, QString::fromUtf8(t.text));
        if (t.desc) setTextDescTable(t.col, t.row, QString::fromUtf8(t.desc));
    }
    for (std::size_t i = 0; i < own_.size(); ++i)
        own_[i] = QString::fromUtf8(OwnTexts[i]);
}

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString PackBreak = QStringLiteral("/n");

// The key of an English text: trimmed (a pack line is), its CR LF as "/n" (a
// pack line holds no line break).
QString SaidKey(const QString& english) {
    QString key = english.trimmed();
    return key.replace(CrLf, PackBreak);
}

// The words as the English stood: its blanks around the text and its kind of
// line break stay.
QString AsTheEnglishStood(const QString& english, QString words) {
    qsizetype lead = 0, trail = 0;
    while (lead < english.size() && english.at(lead).isSpace())
        ++lead;
    while (trail < english.size() - lead && english.at(english.size() - 1 - trail).isSpace())
        ++trail;
    if (english.contains(CrLf)) words.replace(PackBreak, CrLf);
    return english.left(lead) + words + english.right(trail);
}

const QRegularExpression FilledIn(QStringLiteral("%([1-9])"));

// The English with a group for each "%1" to "%9", and which each group is.
QRegularExpression Template(const QString& english, QList<int>& parts) {
    QString pattern = QStringLiteral("^");
    qsizetype from = 0;
    for (auto it = FilledIn.globalMatch(english); it.hasNext();) {
        const auto m = it.next();
        pattern += QRegularExpression::escape(english.mid(from, m.capturedStart() - from)) +
                   QStringLiteral("(.+?)");
        parts << m.captured(1).toInt();
        from = m.capturedEnd();
    }
    pattern += QRegularExpression::escape(english.mid(from)) + u'$';
    return QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption);
}

// The words with each "%N" filled in, in one pass.
QString Filled(const QString& words, const QStringList& parts) {
    QString out;
    qsizetype from = 0;
    for (auto it = FilledIn.globalMatch(words); it.hasNext();) {
        const auto m = it.next();
        out += words.mid(from, m.capturedStart() - from) + parts.value(m.captured(1).toInt() - 1);
        from = m.capturedEnd();
    }
    return out + words.mid(from);
}

} // namespace

QString TextTables::Said(const QString& english) const {
    const auto it = said_.constFind(SaidKey(english));
    return it == said_.constEnd() ? english : AsTheEnglishStood(english, *it);
}

QString TextTables::Told(const QString& text) const {
    QString words;
    return tell(SaidKey(text), false, words) ? AsTheEnglishStood(text, words) : text;
}

// Of the English texts the key matches, the one with the most words of its
// own. A part is told by an English text only where that text begins with
// words of its own: "%1 on %2" is no reason to tell a file name.
bool TextTables::tell(const QString& key, bool part, QString& words) const {
    if (const auto it = said_.constFind(key); it != said_.constEnd()) {
        words = *it;
        return true;
    }
    qsizetype most = 0;
    for (auto it = said_.constBegin(); it != said_.constEnd(); ++it) {
        const QString& english = it.key();
        const qsizetype own = QString(english).remove(FilledIn).size();
        if (own <= most || !english.contains(FilledIn) || (part && english.startsWith(u'%')))
            continue;
        QList<int> parts;
        const auto m = Template(english, parts).match(key);
        if (!m.hasMatch()) continue;
        QStringList filled(9);
        for (qsizetype k = 0; k < parts.size(); ++k) {
            const QString shown = m.captured(int(k) + 1);
            if (!tell(shown, true, filled[parts[k] - 1])) filled[parts[k] - 1] = shown;
        }
        words = Filled(*it, filled);
        most = own;
    }
    return most > 0;
}

bool TextTables::Holds(const QString& english) const {
    return said_.contains(SaidKey(english));
}

void TextTables::setSaid(const QString& english, const QString& words) {
    const QString key = SaidKey(english);
    if (!key.isEmpty()) said_.insert(key, words);
}
