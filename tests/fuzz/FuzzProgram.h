#pragma once
// What the fuzz targets share: the QApplication on the offscreen platform and
// a program folder copied from the template into a temporary folder, made
// once per process; a Program on it whose modal windows are closed as a user
// closes them (nobody answers); and input bytes written as a file.
//
// libFuzzer calls the targets with nothing but the bytes, so the one program
// lives as long as the process.

#include "shell/Program.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace fuzz {

// The process's program folder (made on the first call).
QString ProgramFolder();
// A program on that folder, made on the first call and kept.
Program& SharedProgram();
// A fresh program on that folder (for inputs read at the main window's load).
std::unique_ptr<Program> NewProgram();
// Writes the bytes as a file of this name in the program folder's
// Data/Files; returns its path.
QString WriteInput(const QString& name, const QByteArray& bytes);
// The bytes as given.
inline QByteArray Bytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

} // namespace fuzz
