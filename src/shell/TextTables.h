#pragma once
// The interface's texts.

class TextTables {
public:
    void SetDefaultTexts() {}
};
