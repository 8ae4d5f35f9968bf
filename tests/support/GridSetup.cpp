#include "support/GridSetup.h"

QString timeAt(int seconds) {
    return QStringLiteral("00:%1:%2,000")
        .arg(seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void setLine(platform::Grid& grid, int row, const QString& start, const QString& end,
             const QStringList& texts) {
    grid.setTextMatrix(row, 0, QString::number(row));
    grid.setTextMatrix(row, 1, start);
    grid.setTextMatrix(row, 2, end);
    for (int c = 0; c < texts.size(); ++c)
        grid.setTextMatrix(row, 3 + c, texts[c]);
}

void setLines(Program& p, const std::vector<Line>& lines) {
    platform::Grid& g = p.doc.grid();
    g.setRows(static_cast<int>(lines.size()) + 2);
    p.doc.lstFont = QStringList{QString()};
    int r = 1;
    for (const Line& l : lines) {
        setLine(g, r++, l.start, l.end, {l.t1, l.t2, l.t3});
        p.doc.lstFont << l.font;
    }
}

void writeParts(NodeTable& nodes, const std::vector<Part>& parts) {
    for (int i = 0; i < static_cast<int>(parts.size()); ++i) {
        const Part& p = parts[static_cast<std::size_t>(i)];
        nodes.setFirstRow(i + 1, p.first);
        nodes.setLastRow(i + 1, p.last);
        nodes.setName(i + 1, p.name);
    }
    nodes.setCount(static_cast<int>(parts.size()));
    nodes.setCurrent(1);
}

Part partAt(const NodeTable& nodes, int i) {
    return {nodes.FirstRow(i), nodes.LastRow(i), nodes.Name(i)};
}

std::vector<Part> partsOf(const NodeTable& nodes) {
    std::vector<Part> out;
    for (int i = 1; i <= nodes.Count(); ++i)
        out.push_back(partAt(nodes, i));
    return out;
}
