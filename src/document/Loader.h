#pragma once
// Loading a subtitle file into the document: the one entry through which a
// file enters the grid.

#include <QString>

class Program;

class Loader {
public:
    explicit Loader(Program& p);

    // fileName: full path (a video's companion subtitle replaces it).
    // format: in, the format asked for (0 detects); out, the format read.
    // startRow: 1 loads (replaces the document), the spare row's index adds;
    // out, one past the last row written.
    void LoadSubFile(QString& fileName, int& format, int& startRow, bool detectOnly,
                     bool showProgress, bool interactive);

    // True unless the last load failed.
    bool LoadOk = false;

private:
    Program& p_;
};
