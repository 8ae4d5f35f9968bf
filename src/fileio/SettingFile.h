#pragma once
// Setting files (".scd"): the clipboard list, the partition list and the Font
// tab's choices, kept together so that a user can take them up again later.
//
// The first line names the file and is skipped when reading. Then come
// sections, each a line "{name}" followed by its lines:
//   {clipboard}      one clipboard item per line
//   {partitionlist}  one part per line: its file name, ">", its length
//   {system font}    the font name, then the font style, of the Font tab
//                    (each as the item's text or as its list index)
// Any other line between braces ends a section; lines outside the three
// sections are ignored.

#include <QString>

class Program;

namespace setting_file {

// Replaces the clipboard list and the partition list with the file's and
// applies its font choices. A file that cannot be read is reported and
// changes nothing. False then.
bool Read(Program& p, const QString& path);

// Writes the current lists and font choices; false (with error set) when the
// file could not be written, an old file then staying as it was.
bool Write(Program& p, const QString& path, QString* error = nullptr);

// A part's file name as the partition list may hold it: a name in the
// current file's folder, never a path ("/" and ".." become "_").
QString PartName(const QString& name);

} // namespace setting_file
