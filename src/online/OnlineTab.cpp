#include "online/OnlineTab.h"

#include "shell/Program.h"

OnlineTab::OnlineTab(Program& p, platform::Container& page)
    : SSTab5(page, "SSTab5", {"Do&wnload", "&Upload"}),
      Combo7(SSTab5.page(0), "Combo7", platform::ComboBox::DropDownList),
      List8(SSTab5.page(1), "List8"), p_(p) {
    SSTab5.move(120, 420, 9975, 4335);
    Combo7.move(120, 1140, 2415, 315);
    Combo8.add(SSTab5.page(0), "Combo8", 0, platform::ComboBox::DropDownList)
        .move(2640, 1140, 2415, 315);
    Combo8.add(SSTab5.page(1), "Combo8", 1, platform::ComboBox::DropDownList)
        .move(120, 1140, 2415, 315);
    List8.move(2640, 480, 7215, 2970);
    fillLists();
}

// The download filter offers every format and language; the upload language
// starts on English.
void OnlineTab::fillLists() {
    static const char* const languages[] = {
        "Albanian", "Arabic",    "Brazillian", "Bulgarian",  "Chinees",  "Croatian", "Czech",
        "Danish",   "Dutch",     "English",    "Estonian",   "Finnish",  "French",   "German",
        "Greek",    "Hebrew",    "Hungarian",  "Icelandic",  "Italian",  "Japanese", "Korean",
        "Latvian",  "Norwegian", "Polish",     "Portuguese", "Romanian", "Russian",  "Serbian",
        "Slovak",   "Slovenian", "Spanish",    "Swedish",    "Thai",     "Turkish",  "Urdu"};
    Combo7.addItem(p_.texts.TextTable(4, 28));
    for (int f = 1; f <= 16; ++f)
        Combo7.addItem(p_.shell.FormatName[static_cast<std::size_t>(f)]);
    Combo7.setListIndex(0);
    Combo8[0].addItem(p_.texts.TextTable(4, 29));
    for (const char* l : languages) {
        Combo8[0].addItem(QString::fromLatin1(l));
        Combo8[1].addItem(QString::fromLatin1(l));
    }
    Combo8[0].setListIndex(0);
    Combo8[1].setListIndex(9);
}
