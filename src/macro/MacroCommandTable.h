#pragma once
// The macro language's vocabulary: every command a macro line can name, by
// group (0 to 15) and position (0 to 99) within the group.
//
// Each used cell reads "Name;Description^GGCC": the command's name within its
// group, a description (may be empty) and, as the last four characters, the
// action code the command's handler reports (group * 100 + command number,
// which need not equal group * 100 + position). A command's full name in macro
// lines and in the command registry is the group name, "." and the Name
// ("Editor" + "." + "Shift.Go"). The table is built once and never changes.
//
// Interface (stable; the interpreter, execute list and recorder build on it):
//   groupName(g) / groupNames()   the 16 group names in group order
//   cell(g, pos)                  the whole cell, "" for no command
//   name / description / code     the parts of a cell (code -1 for no command)
//   fullName(g, pos)              "Group.Name", "" for no command
//   find("Group.Name")            its (group, position); compared whole, never split
//   findByCode(code)              the lowest position in group code / 100 whose
//                                 cell ends with the code as four digits
//   entries()                     every command in group and position order

#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class MacroCommandTable {
public:
    static constexpr int Rows = 17;       // groups 0 to 16; 16 stays empty
    static constexpr int GroupCount = 16; // groups in use
    static constexpr int Positions = 100;

    struct Position {
        int group = -1;
        int position = -1;
        bool found() const { return group >= 0; }
        bool operator==(const Position&) const = default;
    };

    MacroCommandTable();

    // "" outside 0 to 15.
    static QString groupName(int group);
    static QStringList groupNames();

    QString cell(int group, int position) const;
    QString name(int group, int position) const;
    QString description(int group, int position) const;
    int code(int group, int position) const;
    QString fullName(int group, int position) const;

    Position find(const QString& fullName) const;
    Position findByCode(int code) const;

    std::vector<Position> entries() const;
    int count() const { return count_; }

    // The 35 languages of the online commands ("Set." + language), in order.
    static const QStringList& languages();

private:
    void build();
    void put(int group, int position, const QString& name, int code, const QString& description);

    std::array<std::array<QString, Positions>, Rows> cells_;
    QHash<QString, Position> byName_;
    int count_ = 0;
};
