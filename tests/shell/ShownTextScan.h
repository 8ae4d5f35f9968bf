#pragma once
// Reads the program's sources for the texts its messages show: the text and
// the title of every ShowMessage call and every English text given to Say. A
// message's text is one English text (the message window finds its words in
// the pack), or it is put together from Say, the text tables and what is
// filled in; an English literal put together in place has no words in any
// pack and is a fault.

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <map>
#include <set>
#include <vector>

namespace shown_text {

struct Found {
    QString file;
    int line = 0;
    QString text;
};

struct Scan {
    std::vector<Found> english;  // texts a pack must give words for
    std::vector<Found> composed; // English put together in place
};

// The source without comments; string literals are kept.
inline QString WithoutComments(const QString& s) {
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == u'"' || c == u'\'') {
            const qsizetype start = i;
            for (++i; i < s.size() && s[i] != c; ++i)
                if (s[i] == u'\\') ++i;
            out += s.mid(start, i - start + 1);
        } else if (s.mid(i, 2) == u"//") {
            while (i < s.size() && s[i] != u'\n')
                ++i;
            out += u'\n';
        } else if (s.mid(i, 2) == u"/*") {
            const qsizetype end = s.indexOf(u"*/", i + 2);
            const qsizetype stop = end < 0 ? s.size() : end + 2;
            out += QString(s.mid(i, stop - i).count(u'\n'), u'\n');
            i = stop - 1;
        } else {
            out += c;
        }
    }
    return out;
}

// The position just past the ")" closing the "(" before `open`.
inline qsizetype Closing(const QString& s, qsizetype open) {
    int depth = 1;
    for (qsizetype i = open; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == u'"' || c == u'\'') {
            for (++i; i < s.size() && s[i] != c; ++i)
                if (s[i] == u'\\') ++i;
        } else if (c == u'(' || c == u'{' || c == u'[') {
            ++depth;
        } else if (c == u')' || c == u'}' || c == u']') {
            if (--depth == 0) return i + 1;
        }
    }
    return s.size();
}

// The arguments between `open` and the closing ")", split at the top level.
inline QStringList Arguments(const QString& s, qsizetype open) {
    const qsizetype end = Closing(s, open) - 1;
    QStringList out;
    qsizetype from = open;
    int depth = 0;
    for (qsizetype i = open; i < end; ++i) {
        const QChar c = s[i];
        if (c == u'"' || c == u'\'') {
            for (++i; i < end && s[i] != c; ++i)
                if (s[i] == u'\\') ++i;
        } else if (c == u'(' || c == u'{' || c == u'[') {
            ++depth;
        } else if (c == u')' || c == u'}' || c == u']') {
            --depth;
        } else if (c == u',' && depth == 0) {
            out << s.mid(from, i - from);
            from = i + 1;
        }
    }
    out << s.mid(from, end - from);
    return out;
}

// The string literals of an expression, joined where they stand side by side.
inline QStringList Literals(const QString& expr) {
    static const QRegularExpression literal(
        QStringLiteral(R"re((?:u8|u|L)?"((?:[^"\\]|\\.)*)")re"));
    static const QRegularExpression between(QStringLiteral(R"re(^\s*$)re"));
    QStringList out;
    qsizetype last = -1;
    for (auto it = literal.globalMatch(expr); it.hasNext();) {
        const auto m = it.next();
        QString text = m.captured(1);
        text.replace(QStringLiteral("\\\""), QStringLiteral("\""))
            .replace(QStringLiteral("\\n"), QStringLiteral("\n"))
            .replace(QStringLiteral("\\r"), QStringLiteral("\r"))
            .replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
        if (last >= 0 && between.match(expr.mid(last, m.capturedStart() - last)).hasMatch())
            out.back() += text;
        else
            out << text;
        last = m.capturedEnd();
    }
    return out;
}

// The expression without what it shows as it stands.
inline QString WithoutVerbatim(const QString& expr) {
    static const QRegularExpression verbatim(QStringLiteral(R"re(\bVerbatim\s*\()re"));
    QString out = expr;
    for (auto m = verbatim.match(out); m.hasMatch(); m = verbatim.match(out))
        out.remove(m.capturedStart(), Closing(out, m.capturedEnd()) - m.capturedStart());
    return out;
}

// The expression with its string literals emptied.
inline QString OutsideLiterals(const QString& expr) {
    static const QRegularExpression literal(QStringLiteral(R"re("(?:[^"\\]|\\.)*")re"));
    QString out = expr;
    return out.replace(literal, QStringLiteral("\"\""));
}

inline bool HoldsWord(const QString& text) {
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    return word.match(text).hasMatch();
}

// Whether the expression is one English text and nothing else.
inline bool IsOneLiteral(const QString& expr) {
    static const QRegularExpression one(QStringLiteral(
        R"re(^\s*(QStringLiteral\(|QString\(|QString::fromUtf8\(|QString::fromLatin1\()?)re"
        R"re(\s*((?:u8|u|L)?"(?:[^"\\]|\\.)*"\s*)+\)?\s*$)re"));
    return one.match(expr).hasMatch();
}

// The line of a position; a scanned file starts with a line break of its own.
inline int LineAt(const QString& s, qsizetype at) {
    return static_cast<int>(s.left(at).count(u'\n'));
}

// The parts of an expression outside the English texts given to Say.
inline QString OutsideSay(const QString& expr) {
    static const QRegularExpression say(QStringLiteral(R"re(\b(?:Say|English)\s*\()re"));
    QString rest;
    qsizetype from = 0;
    for (auto it = say.globalMatch(expr); it.hasNext();) {
        const auto m = it.next();
        if (m.capturedStart() < from) continue;
        const qsizetype open = m.capturedEnd();
        const QStringList args = Arguments(expr, open);
        rest += expr.mid(from, open - from) + OutsideSay(args.mid(1).join(u','));
        from = Closing(expr, open);
    }
    return rest + expr.mid(from);
}

// The name of a parameter declaration ("const QString& why = {}" gives
// "why"); "" for an expression.
inline QString ParameterName(const QString& decl) {
    static const QRegularExpression param(
        QStringLiteral(R"re(^\s*(?:const\s+)?[\w:<>]+\s*[&*]*\s+(\w+)\s*(?:=.*)?$)re"));
    const auto m = param.match(decl);
    return m.hasMatch() ? m.captured(1) : QString();
}

// The function whose definition holds `at`: its name and its parameters'
// names. A definition starts at the beginning of its line.
struct Function {
    QString name;
    QStringList params; // the names of its text parameters ("" for the others)
    qsizetype body = 0;
};

inline Function Enclosing(const QString& s, qsizetype at) {
    static const QRegularExpression head(
        QStringLiteral(R"re(\n[A-Za-z][\w:<>,&*\s]*?\b(\w+)\s*\(([^;{}]*)\)[^;{}]*\{)re"));
    Function out;
    for (auto it = head.globalMatch(s.left(at)); it.hasNext();) {
        const auto m = it.next();
        out = {m.captured(1), {}, m.capturedEnd()};
        for (const QString& decl : Arguments(s, m.capturedStart(2)))
            out.params << (decl.contains(QStringLiteral("QString")) ? ParameterName(decl)
                                                                    : QString());
    }
    return out;
}

// The expressions a function's code gives a local text before a point:
// "QString why = ...;", "why = ...;", "why += ...;".
inline QStringList Assigned(const QString& code, const QString& name) {
    const QRegularExpression give(QStringLiteral(R"re(\b%1\s*\+?=(?!=))re").arg(name));
    QStringList out;
    for (auto it = give.globalMatch(code); it.hasNext();) {
        const auto m = it.next();
        qsizetype end = m.capturedEnd();
        int depth = 0;
        for (; end < code.size(); ++end) {
            const QChar c = code[end];
            if (c == u'"') {
                for (++end; end < code.size() && code[end] != u'"'; ++end)
                    if (code[end] == u'\\') ++end;
            } else if (c == u'(' || c == u'{') {
                ++depth;
            } else if (c == u')' || c == u'}') {
                if (--depth < 0) break;
            } else if (c == u';' && depth == 0) {
                break;
            }
        }
        out << code.mid(m.capturedEnd(), end - m.capturedEnd());
    }
    return out;
}

// A file without its comments.
struct Source {
    QString name;
    QString text;
};

// Functions that show a text they are given, with the positions of their
// shown arguments: ShowMessage's text and title, and every function that
// hands a parameter of its own to one of them there.
using Shows = std::map<QString, std::set<int>>;

// A shown expression: one English text, or a text put together of Say, the
// tables and what is filled in.
inline void ScanShown(const QString& name, int line, const QString& expr, Scan& out) {
    if (IsOneLiteral(expr)) {
        for (const QString& text : Literals(expr))
            out.english.push_back({name, line, text});
        return;
    }
    for (const QString& text : Literals(OutsideSay(expr)))
        if (HoldsWord(text)) out.composed.push_back({name, line, text});
}

// What one call of a function that shows its arguments shows. A shown
// argument that is a parameter of the calling function makes that function
// one that shows it; one that is a local text shows what the code gave it.
inline void ScanCall(const Source& f, qsizetype at, const QStringList& args,
                     const std::set<int>& shown, Shows& shows, Scan& out) {
    static const QRegularExpression identifier(QStringLiteral(R"re(^\s*(\w+)\s*$)re"));
    const int line = LineAt(f.text, at);
    for (const int k : shown) {
        const QString arg = args.value(k);
        const Function function = Enclosing(f.text, at);
        // A text parameter that the shown text is made of makes the function
        // one that shows it; what is shown as it stands (Verbatim) is data.
        static const QRegularExpression word(QStringLiteral(R"re(\b[A-Za-z_]\w*\b)re"));
        for (auto w = word.globalMatch(OutsideLiterals(WithoutVerbatim(arg))); w.hasNext();) {
            const qsizetype j = function.params.indexOf(w.next().captured());
            if (j >= 0) shows[function.name].insert(static_cast<int>(j));
        }
        if (!identifier.match(arg).hasMatch()) ScanShown(f.name, line, arg, out);
        // A local text the shown text is made of shows what the code gave it.
        static const QRegularExpression local(QStringLiteral(R"re(\b([a-z]\w*)\b(?!\s*[(.:]))re"));
        const QString code = f.text.mid(function.body, at - function.body);
        for (auto w = local.globalMatch(OutsideLiterals(WithoutVerbatim(arg))); w.hasNext();) {
            const QString name = w.next().captured(1);
            const QRegularExpression text(QStringLiteral(R"re(\bQString\s+%1\b)re").arg(name));
            if (!text.match(code).hasMatch()) continue; // a number, a flag
            for (const QString& expr : Assigned(code, name))
                ScanShown(f.name, line, expr, out);
        }
    }
}

// The calls of the functions that show their arguments, until no further
// function is found to hand its parameters on.
inline void ScanCalls(const std::vector<Source>& files, Scan& out) {
    Shows shows{
        {QStringLiteral("ShowMessage"), {0, 3}},   {QStringLiteral("ShowTransferStatus"), {0}},
        {QStringLiteral("StopUpload"), {0}},       {QStringLiteral("TimedLine"), {0}},
        {QStringLiteral("setPanelText"), {1}},     {QStringLiteral("ShowStatus"), {0}},
        {QStringLiteral("setStatus"), {0}},        {QStringLiteral("Tell"), {0}},
        {QStringLiteral("RecordNotRecorded"), {0}}};
    const auto count = [](const Shows& x) {
        std::size_t n = 0;
        for (const auto& entry : x)
            n += entry.second.size();
        return n;
    };
    for (;;) {
        Scan scan;
        Shows found = shows;
        for (const Source& f : files)
            for (const auto& [name, positions] : shows) {
                const QRegularExpression call(QStringLiteral(R"re(\b%1\s*\()re").arg(name));
                for (auto it = call.globalMatch(f.text); it.hasNext();) {
                    const auto m = it.next();
                    const QStringList args = Arguments(f.text, m.capturedEnd());
                    if (!ParameterName(args.value(0)).isEmpty()) continue; // a declaration
                    ScanCall(f, m.capturedStart(), args, positions, found, scan);
                }
            }
        if (count(found) == count(shows)) {
            out.english.insert(out.english.end(), scan.english.begin(), scan.english.end());
            out.composed = scan.composed;
            return;
        }
        shows = found;
    }
}

// Every English text given to Say.
inline void ScanSay(const Source& f, Scan& out) {
    static const QRegularExpression say(QStringLiteral(R"re(\b(?:Say|English)\s*\()re"));
    for (auto it = say.globalMatch(f.text); it.hasNext();) {
        const auto m = it.next();
        const qsizetype open = f.text.indexOf(u'(', m.capturedStart()) + 1;
        for (const QString& k : Literals(Arguments(f.text, open).value(0)))
            out.english.push_back({f.name, LineAt(f.text, m.capturedStart()), k});
    }
}

// Every source file of the program.
inline Scan ScanSources(const QString& root) {
    std::vector<Source> files;
    QDirIterator it(root + QStringLiteral("/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            files.push_back({path.mid(root.size() + 1),
                             u'\n' + WithoutComments(QString::fromUtf8(f.readAll()))});
    }
    Scan out;
    for (const Source& f : files)
        ScanSay(f, out);
    ScanCalls(files, out);
    return out;
}

} // namespace shown_text
