#include "document/WholeText.h"

#include "platform/RichTextBox.h"

void SelectWholeText(platform::RichTextBox& field) {
    field.setSelStart(0);
    field.setSelLength(static_cast<int>(field.text().size()));
}

void FocusWholeText(platform::RichTextBox& field) {
    field.setFocus();
    SelectWholeText(field);
}
