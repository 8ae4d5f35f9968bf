#pragma once
// The main window's layout: it keeps the window at or above its smallest
// size, stretches the left pane and moves the right pane when the window
// grows, stretches or moves the tab controls listed in the layout table by
// the height the window has beyond its smallest, and lets the user drag the
// splitter bar between the panes. All values are twips.
//
// The split the user dragged to is kept through later resizes; it is
// confined so that both panes keep a width a user can still work with.

#include <QString>
#include <vector>

class frmMain;
class Program;

namespace platform {
class Control;
class Label;
} // namespace platform

class MainLayout {
public:
    MainLayout(Program& p, frmMain& m);

    // Design values of the left pane, the splitter and the right pane.
    static constexpr int TabAreaBase = 5055;
    static constexpr int LeftPaneWidth = 3615;
    static constexpr int RightPaneWidth = 10215;
    static constexpr int SplitterLeft = 3720;
    static constexpr int RightPaneLeft = 3840;
    // The narrowest each pane may be dragged to.
    static constexpr int MinLeftPane = 1500;
    static constexpr int MinRightPane = 4500;

    int MinWidth = 14295;
    int MinHeight = 9195;
    int TabAreaHeight = TabAreaBase;
    int ExtraHeight = 0;
    int ExtraWidth = 0;
    // The splitter drag.
    bool SplitDragging = false;
    int SplitStartLeft = 0;
    // How far the user moved the split from its design place.
    int SplitOffset = 0;

    // The button whose caption tells the side area's fold state: "+" shown,
    // "-" folded away (the tab area takes its room). Without one the tab
    // area keeps its height.
    void setFoldButton(const platform::Label* button) { foldButton_ = button; }

    // Lays the window out for its present size.
    void Resize();
    // The split as the window can take it now: the user's, confined.
    int AppliedSplit() const;

    void pMoveMouseDown(int button, int shift, int x, int y);
    void pMoveMouseMove(int button, int shift, int x, int y);
    void pMoveMouseUp(int button, int shift, int x, int y);

private:
    struct Entry {
        platform::Control* control;
        bool height;   // stretches; otherwise moves down
        int base;      // the design value at the smallest size
        int numerator; // share of the extra height it takes
    };
    void captureTable();
    void keepMinimumSize();
    void layOutLeftPane(int split);
    void layOutRightPane(int split);
    void layOutTabArea();
    void layOutTable();
    void layOutStatusBar();
    void setGridWidth(int width);

    Program& p_;
    frmMain& m_;
    const platform::Label* foldButton_ = nullptr;
    std::vector<Entry> table_;
    int navFromRight_[2] = {0, 0}; // the part-step buttons' distance from the grid's right
    bool resizing_ = false;
};
