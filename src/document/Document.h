#pragma once
// The subtitle document's state beside the grid.

class Program;

class Document {
public:
    explicit Document(Program& p);

private:
    Program& p_;
};
