#pragma once
// Every question and notice of the program goes through ShowMessage.

class Program;

class MessageWindow {
public:
    explicit MessageWindow(Program& p);

private:
    Program& p_;
};
