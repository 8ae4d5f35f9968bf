#pragma once
// The interface's texts: two tables of 10 columns by 51 rows, addressed
// (column, row). TextTable holds the short texts (captions, status words,
// messages, titles), TextDescTable the longer description or tool tip of the
// same entry. SetDefaultTexts fills the built-in English; a language pack may
// overwrite any entry afterwards. Texts may hold "/n", which the message
// window shows as a line break.
//
// Columns: 0 partition preview commands; 1 and 2 clipboard copy commands;
// 3 media player states; 4 general words, grid headings, font styles and
// macro recorder texts; 5 message texts; 6 file-chooser prompts; 7 the system
// window's variable heading; 8 the about window; 9 the subtitle reader's log.

#include <QHash>
#include <QSet>
#include <QString>
#include <array>
#include <type_traits>

// Texts Mirel shows of its own, beside the two tables. A language pack gives
// them as items of the sections of their windows, after the items those
// sections always had: the Diagnose report's node names as "[Diagnose]"
// 15 to 32, the Online page's note as "[File Transfer Download]" 5.
enum class OwnText {
    DiagFile,
    DiagScan,
    DiagSummary,
    DiagSolutions,
    DiagLines,
    DiagWords,
    DiagMultiLines,
    DiagDate,
    DiagTime,
    DiagDuration,
    DiagCount,
    DiagFrames,
    DiagNode,
    DiagLine,
    DiagDetected,
    DiagFixed,
    DiagRemaining,
    DiagTo,
    NoServerNothingFetched,
    Count
};

class TextTables {
public:
    static constexpr int Columns = 10;
    static constexpr int Rows = 51;

    // An entry outside the table reads as "".
    QString TextTable(int col, int row) const;
    QString TextDescTable(int col, int row) const;
    // False (and nothing written) for an entry outside the table.
    bool setTextTable(int col, int row, const QString& text);
    bool setTextDescTable(int col, int row, const QString& text);

    QString Own(OwnText which) const { return own_[static_cast<std::size_t>(which)]; }
    // False (and nothing written) for an index past the own texts.
    bool setOwn(int index, const QString& text);

    // Writes every built-in English entry; the others keep their text.
    void SetDefaultTexts();

    // A text Mirel shows, in the pack's words: the English is the built-in text
    // and the key under which a pack's "[Texts]" section gives its words. "%1"
    // to "%9" stand for what is filled in (file names, numbers, the system's
    // error texts), which are no words of a pack; they are put in in one pass,
    // so a "%2" inside a file name stays as it is.
    template <typename... Parts> QString Say(const char* english, const Parts&... parts) const {
        const QString words = Said(QString::fromUtf8(english));
        if constexpr (sizeof...(Parts) == 0)
            return words;
        else
            return words.arg(Part(parts)...);
    }
    // The pack's words for a whole English text, or the English.
    QString Said(const QString& english) const;
    // A text put together elsewhere of English texts ("Cannot write %1: %2"
    // with a file and the system's reason), in the pack's words: the whole
    // text as one of the pack's English texts, with what was filled in told
    // again where it is one of them too. A part that is none (a file name)
    // stays as it is, and so does a text that matches none.
    QString Told(const QString& text) const;
    // Whether the pack gives words for the English text.
    bool Holds(const QString& english) const;
    // The pack's words for an English text. Line breaks are "/n" in both.
    void setSaid(const QString& english, const QString& words);
    // Every text a pack gave so far: its words of the tables, the own texts
    // and the said texts.
    const QSet<QString>& packWords() const { return packWords_; }
    void notePackWords(const QString& words) { packWords_.insert(words); }

private:
    bool tell(const QString& key, bool part, QString& words) const;
    static QString Part(const QString& text) { return text; }
    template <typename Number>
    requires std::is_arithmetic_v<Number>
    static QString Part(Number n) { return QString::number(n); }

    using Table = std::array<QString, Columns * Rows>;
    // Position of (col, row), stored column-fastest; -1 outside the table.
    static int position(int col, int row);

    Table text_;
    Table desc_;
    std::array<QString, static_cast<std::size_t>(OwnText::Count)> own_;
    QHash<QString, QString> said_; // by the English, trimmed, its line breaks as "/n"
    QSet<QString> packWords_;
};
