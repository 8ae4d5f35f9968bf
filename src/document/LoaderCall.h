#pragma once
// One LoadSubFile call's arguments and the state kept for the rest of the
// call; shared by the loader's source files only.

#include "document/Loader.h"
#include "document/ReaderFrame.h"
#include "fileio/Files.h"

#include <QString>

struct Loader::Call {
    QString& fileName; // the file read (a video's companion replaces it)
    int& format;       // the format asked for, then the one read
    int& startRow;     // the first row, then one past the last row written
    bool detectOnly;
    bool showProgress;
    bool interactive;
    int requested;           // the format asked for at entry (0 for a companion)
    int firstRow;            // 1 on a load, the spare row on an add
    Files::DiskState read{}; // the file as it was just before it was read

    bool add() const { return firstRow > 1; }
    ReadRequest request() const { return {fileName, format, firstRow, showProgress, interactive}; }
};
