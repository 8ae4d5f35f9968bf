#pragma once
// Top-level windows on an X display share the screen's own colormap.

namespace platform {

// From now on every window made on an X display whose visual is the screen's
// own takes the screen's default colormap instead of one Qt makes for it.
// With a true-colour visual the colours are the same; what changes is that a
// screen grab of the whole display (xwd, on a server without a window
// manager to install colormaps) sees every window as drawn, where windows on
// a colormap nobody installed came out black. Does nothing on other displays.
void UseScreenColormaps();

} // namespace platform
