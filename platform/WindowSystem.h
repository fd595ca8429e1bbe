// What the window system lets a frameless window do: be shaped by a mask (X11) or not (Wayland),
// and be moved by the program or only by the compositor.
#pragma once

class QWindow;

namespace windowSystem {

// True under a Wayland compositor: a mask does not shape the surface there, and a window cannot
// place itself; it has to ask the compositor to move it.
bool isWayland();

// Hands the move of window to the window system for the pointer press under way. False where the
// platform cannot (no window manager, the offscreen platform): the caller then moves it itself.
bool startSystemMove(QWindow* window);

} // namespace windowSystem
