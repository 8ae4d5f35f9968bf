#include "document/readers/Readers.h"

#include "document/FormatDetection.h"

#include <array>

namespace {

// The reader of each format number; null where a format has no reader yet.
//
// Adding a reader takes one new file and one line here:
//   1. Write readers/<format>.cpp defining the object declared for it in
//      Readers.h, e.g.
//          const SubtitleReader readers::TmPlayer{{true, false, false}, &Counts, &Parse};
//      with Counts (the count-pass test) and Parse (the parse pass, written on
//      the ReaderFrame's steps) in an anonymous namespace of that file.
//   2. Replace the null of its format number below by the object's address.
// The load, the detection and the reading limit need nothing else.
constexpr std::array<const SubtitleReader*, Format::Count> Table = {
    nullptr,          //  0 no format
    nullptr,          //  1 DVD Subtitle
    nullptr,          //  2 JACOSub 2.7+
    nullptr,          //  3 MicroDVD
    nullptr,          //  4 Phoenix Japanimation
    nullptr,          //  5 PowerDivX
    nullptr,          //  6 RealTime
    nullptr,          //  7 SAMI
    nullptr,          //  8 Sonic DVD
    &readers::SubRip, //  9 SubRip
    nullptr,          // 10 SubStation Alpha
    nullptr,          // 11 SubViewer 1.0
    nullptr,          // 12 SubViewer 2.0
    nullptr,          // 13 TMPlayer
    nullptr,          // 14 Turbo Titler
    nullptr,          // 15 ViPlay Subtitle File
    nullptr,          // 16 Zero G
};

} // namespace

const SubtitleReader* ReaderFor(int format) {
    if (format < 0 || format >= Format::Count) return nullptr;
    return Table[static_cast<std::size_t>(format)];
}
