#pragma once
// The navigation tree of the main window's left pane: a second way into the
// whole program. Nodes for the menu commands, one for every main tab and
// sub-tab, and one for each recently used subtitle file (key "lf_" and the
// full path, the path as caption and tool tip). A click runs the node's
// commands from the command registry, loads its recent file, or does nothing
// for the group nodes. Enter on a node does what a click does.

#include <QString>

class Program;

// Builds the tree (once, during the main window's load) and sets its
// click handling.
void LoadNodes(Program& p);
// Runs what the node with this key stands for.
void NodeClick(Program& p, const QString& key);
// The English captions of the tree's nodes, by caption number (0 to 50).
QString DefaultTreeCaption(int index);
