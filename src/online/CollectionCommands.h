#pragma once
// The collection window's commands in the registry: the menu command that
// opens it (File > Collection > Manage) and one command for each of its
// controls, so that the navigation tree and macros reach them by name.

class Program;

// Opens the collection window modally over the main window, its lists built
// afresh from the files in \Data\Files.
void MenuDBManage(Program& p);
// Registers "Menu.Collection.Manage" and the window's "Collection.*" commands.
void RegisterCollectionCommands(Program& p);
