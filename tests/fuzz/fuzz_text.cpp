// Fuzz target: text decoding and the time and number forms every reader and
// tool relies on. The input is decoded as a file is (byte-order marks,
// UTF-8, the code page), cut into lines, and each line goes through format
// detection, the time-code routines with its neighbour, the number forms and
// the readers' time fields. The file reader, which decodes line by line,
// must give the same lines as the whole-text decoding.

#include "FuzzProgram.h"

#include "document/FontSpec.h"
#include "document/FormatDetection.h"
#include "document/TimeCode.h"
#include "document/readers/Common.h"
#include "runtime/Numbers.h"
#include "runtime/Strings.h"
#include "runtime/TextFile.h"

#include <cstdlib>

namespace {

void TimesAndNumbers(const QString& line, const QString& next) {
    TimeCalc(line, next, QStringLiteral("+"));
    TimeCalc(line, next, QStringLiteral("-"));
    TimeToMs(line);
    SecToTime(line);
    ReadTimeFields(line);
    const double value = runtime::Val(line);
    runtime::NumberText(value);
    runtime::Str(value);
    runtime::PrintNumber(value);
    runtime::Trim(line);
    FontSpec::parse(line).text();
}

void ReaderFields(const QString& line) {
    readers::Clock clock;
    qsizetype end = 0;
    if (readers::ReadClock(line, clock, end)) readers::TimeCodeOf(clock);
    for (qsizetype pos = 0; pos < line.size() && pos < 64; ++pos) {
        qsizetype at = pos;
        readers::HundredthsTime(line, at);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = fuzz::Bytes(data, size);
    const QStringList lines = runtime::SplitLines(runtime::DecodeText(bytes));
    // The file reader decodes line by line; it must give the same text.
    if (runtime::ReadTextFile(fuzz::WriteInput(QStringLiteral("text.txt"), bytes)).lines != lines)
        std::abort();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        DetectFormat(line);
        TimesAndNumbers(line, lines.value(i + 1));
        ReaderFields(line);
    }
    DetectFileFormat(lines, 0);
    return 0;
}
