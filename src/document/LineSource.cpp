#include "document/LineSource.h"

#include "runtime/TextFile.h"

namespace {
constexpr QChar ByteOrderMark(0xFEFF);
}

LineSource::LineSource(QStringList lines) : ok_(true), lines_(std::move(lines)) {
    // A mark the decoder kept (one written twice, or one inside a UTF-16
    // file) is still not text.
    if (!lines_.isEmpty() && lines_.first().startsWith(ByteOrderMark)) lines_.first().remove(0, 1);
}

LineSource LineSource::FromFile(const QString& path) {
    runtime::TextFileContent content = runtime::ReadTextFile(path);
    if (!content.ok) {
        LineSource failed;
        failed.error_ = content.error;
        return failed;
    }
    LineSource source(std::move(content.lines));
    source.eightBit_ = content.encoding == runtime::Encoding::CodePage;
    return source;
}

const QString& LineSource::nextLine() {
    if (atEnd()) return empty_;
    return lines_.at(next_++);
}

const QString& LineSource::peekLine() const {
    return atEnd() ? empty_ : lines_.at(next_);
}
