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
    nullptr,                   //  0 no format
    &readers::DvdSubtitle,     //  1 DVD Subtitle
    &readers::JacoSub,         //  2 JACOSub 2.7+
    &readers::MicroDvd,        //  3 MicroDVD
    &readers::Phoenix,         //  4 Phoenix Japanimation
    &readers::PowerDivX,       //  5 PowerDivX
    &readers::RealTime,        //  6 RealTime
    &readers::Sami,            //  7 SAMI
    &readers::SonicDvd,        //  8 Sonic DVD
    &readers::SubRip,          //  9 SubRip
    &readers::SubStationAlpha, // 10 SubStation Alpha
    &readers::SubViewer1,      // 11 SubViewer 1.0
    &readers::SubViewer2,      // 12 SubViewer 2.0
    &readers::TmPlayer,        // 13 TMPlayer
    &readers::TurboTitler,     // 14 Turbo Titler
    &readers::ViPlay,          // 15 ViPlay Subtitle File
    &readers::ZeroG,           // 16 Zero G
};

} // namespace

const SubtitleReader* ReaderFor(int format) {
    if (format < 0 || format >= Format::Count) return nullptr;
    return Table[static_cast<std::size_t>(format)];
}
