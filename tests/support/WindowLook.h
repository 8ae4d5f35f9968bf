#pragma once
// What a user meets in a shown window, computed from the controls' geometry
// and stacking order rather than from a picture: which controls cannot be
// clicked because something drawn above them covers their middle, which
// captions are cut, and the steps that bring a control into view.

#include <QPoint>
#include <QStringList>
#include <functional>

class QWidget;

namespace platform {
class Control;
}

namespace window_look {

// The name of the control the widget belongs to (its class name when none).
QString NameOf(QWidget* w);
// "" when a click at this point of the window meets the widget (or a part of
// it), else the name of the control drawn above it there.
QString CoveredAt(QWidget* window, QWidget* w, QPoint inWindow);
// The visible, enabled controls a user clicks (buttons, lists, fields, label
// buttons with a click handler) whose shown middle another control drawn
// above covers, as "name at (x, y) under other".
QStringList CoveredControls(QWidget* window);
// What is wrong with the way the control's caption shows, "" when it shows
// whole: a caption wider than its control (a check or option box gives its
// mark 20 px, a button its frame 6), a wrapped label taller than its room, a
// tab row that needs scroll arrows, a label showing a literal "&".
QString CaptionCut(QWidget* w);
// The visible controls whose caption is cut (see CaptionCut), as
// "name: what is wrong".
QStringList CutCaptions(QWidget* window);
// Visible controls, neither holding the other, overlapping where not meant: "a and b overlap by W x
// H px".
QStringList OverlappingControls(QWidget* window);
// What a user meets wrong in the window as it shows: the covered controls,
// the overlapping ones, then the cut captions but those of `knownCut`.
QStringList Faults(QWidget* window, const QStringList& knownCut = {});
// Saves the widget as it shows, for a look, once the events waiting are
// handled; an empty picture, or one that cannot be saved, fails the test.
void SaveShot(QWidget* widget, const QString& file);
// Selects, from the outside in, the tab of every tab strip the widget lies
// on, so that it shows as far as tabs decide.
void BringToView(QWidget* widget);
// The controls on every tab page of the window: each tab strip is turned to
// each of its tabs in turn and `check` runs with a name for the page.
void ForEachPage(QWidget* window, const std::function<void(const QString& page)>& check);

} // namespace window_look
