#include "document/readers/Readers.h"

#include "document/Formats.h"

// Adding a reader: write readers/<format>.cpp defining the object declared
// for it in Readers.h, with its count-pass test and its parse pass (written on
// the ReaderFrame's steps) in an anonymous namespace of that file, and name
// the object in its format's entry of the file-type table (document/Formats.cpp).
const SubtitleReader* ReaderFor(int format) {
    const FileTypeEntry* entry = formats::Subtitle(format);
    return entry ? entry->reader : nullptr;
}
