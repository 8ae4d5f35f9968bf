#pragma once
// Where a language pack's words go: the controls of Mirel's windows, found by
// window name and control name ("frmMain", "Label2(3)"). A window that a pack
// names is opened (created and loaded, not shown) when it has an opener, so
// its captions are in place before it is first shown. Every label given is
// also kept: a window made afresh each time it opens (the message window)
// asks for its labels again with Relabel when it is created.
//
// A window joins by registering its opener once:
//     p.languageTargets.addWindow("frmHistory", [&p] { return &p.history(); });
// and its controls are found by the names they were created with.

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <vector>

namespace platform {
class Form;
}

// What a label does to its control.
enum class ControlPut {
    Caption,     // a label's, check box's, button's or frame's caption
    ToolTip,     // any control's tool tip
    MenuCaption, // a menu item's caption
    TabCaption,  // the caption of tab `index` of a tab strip
    PanelText,   // the text of panel `index` of a status bar
};

struct ControlLabel {
    QString window;
    QString control;
    ControlPut put = ControlPut::Caption;
    int index = 0;
    QString text;
};

class LanguageTargets {
public:
    using Opener = std::function<platform::Form*()>;

    // A window that a pack may name; a later call for the same name replaces it.
    void addWindow(const QString& name, Opener open);
    bool hasWindow(const QString& name) const { return windows_.count(name) > 0; }

    enum class Result {
        Applied,   // the control took the label
        Kept,      // the window is not open here; the label waits for Relabel
        NoControl, // the window has no control of that name (or of that kind)
        NoSuchTab, // the tab strip has no tab of that number: a fault of the pack
    };
    // Gives the label to its control and keeps it.
    Result put(const ControlLabel& label);
    // Gives a window made afresh the labels kept for its name, and its
    // caption in the pack's words.
    void Relabel(platform::Form& form) const;

    // The pack's words for a window's whole caption ("Settings"), as the
    // pack in use gives them.
    using Words = std::function<QString(const QString&)>;
    void setWords(Words words) { words_ = std::move(words); }
    // Gives every window that a pack may name its caption in the pack's words.
    void CaptionWindows();

    // The labels given so far, in the pack's order.
    const std::vector<ControlLabel>& labels() const { return kept_; }
    // "window.control" of the labels whose control was not found.
    const QStringList& missing() const { return missing_; }
    // Forgets the kept labels (a new pack is being read).
    void clearLabels();

private:
    static Result apply(platform::Form& form, const ControlLabel& label);

    std::map<QString, Opener> windows_;
    std::vector<ControlLabel> kept_;
    QStringList missing_;
    Words words_;
};
