#pragma once
// The settings commands a macro reaches: the Settings group sets the
// settings window's boxes and list (in memory; Ok or the exit writes them),
// and the View group opens the window or one of its pages.

class Program;

void RegisterSettingsCommands(Program& p);
