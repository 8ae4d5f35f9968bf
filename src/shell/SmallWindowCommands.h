#pragma once
// The Help menu's windows as commands: the online help index, the tips, the
// wizard and the About window. The splash's hand-over reaches the tips
// window through the program's shell state.

class Program;

void RegisterSmallWindowCommands(Program& p);
