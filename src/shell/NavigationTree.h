#pragma once
// The navigation tree of the main window's left pane.
//
// For now LoadNodes builds its recent-file branch only: the root "recent"
// ("Recent") with one node per entry of the recent-file list (key "lf_" and
// the full path, the path as caption), in list order. The menu, tab and
// sub-tab nodes come with the navigation tree.

class Program;

void LoadNodes(Program& p);
