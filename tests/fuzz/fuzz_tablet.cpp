// Fuzz target: tablet files of the advanced calculator, read and worked out
// (every formula evaluated, twice), as a shared or hand-edited tablet
// arrives in Data/Calculator.
//   the input is the tablet file's bytes.

#include "FuzzProgram.h"

#include "calculator/Tablets.h"
#include "runtime/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Program& p = fuzz::SharedProgram();
    QString path = p.folder.path(runtime::Place::CalculatorFolder, QStringLiteral("fuzz.sac"));
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    f.write(fuzz::Bytes(data, size));
    f.close();
    p.tablets.LoadCalc(path);
    return 0;
}
