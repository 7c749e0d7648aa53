#pragma once

class QWidget;

namespace velmora::ui {

enum class Centring { OnScreen, LeftToToolkit };

// Makes one of the game's windows meet the desktop as it should, whatever the session:
// - it never stays maximised or full screen: asked by a title bar, a shortcut or a compositor, it
//   asks for its normal state back at once on X11; on Wayland, where Qt's own title bar offers
//   maximise and a compositor ends a client that does not fill the maximised size it
//   acknowledged, it fills that size for a quarter of a second, then goes back to its own;
// - with OnScreen, on X11 it is centred on the screen with its frame counted, and centred again
//   when the window manager frames it; on Wayland the compositor places it.
// Call before the window is first shown; the helper lives as the window's child.
void KeepPlaced(QWidget& window, Centring centring);

}  // namespace velmora::ui
