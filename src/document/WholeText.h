#pragma once
// A field whose whole text is selected, so that typing replaces it: on
// entering a time or a formula, and on Enter in a grid that edits its cell in
// a field.

namespace platform {
class RichTextBox;
} // namespace platform

void SelectWholeText(platform::RichTextBox& field);
// The field takes the focus with its whole text selected.
void FocusWholeText(platform::RichTextBox& field);
