#pragma once
// The macro language's shared state.

class Program;

class Macro {
public:
    explicit Macro(Program& p);

private:
    Program& p_;
};
