#include "fileio/frmFile.h"

#include "shell/Program.h"

frmFile::frmFile(Program& p) : Form(p.host, "frmFile"), lblFullName(*this, "lblFullName"), p_(p) {
    move(0, 0, 9600, 6600);
    lblFullName.move(120, 5880, 9360, 255);
    onQueryUnload = [this](int& cancel, int) {
        cancel = 1;
        hide();
    };
}
