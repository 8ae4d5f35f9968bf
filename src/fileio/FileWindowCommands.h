#pragma once
// Macro commands of the file chooser and the progress window: the chooser's
// type and its media-name option, a load by file name, and the progress
// window's close-automatically box.

class Program;

// Registers "File.Handling.*" and "File.Control.*".
void RegisterFileWindowCommands(Program& p);
