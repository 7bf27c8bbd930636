#pragma once

class QStyle;

// The Fusion style that some controls use instead of the application's style (the main
// window's splitter and scale check box, the options dialog's splitter).
namespace FusionStyle {

// One for the application's life, owned by the application object: setStyle() does not take
// ownership, and a style deleted with one window would still be in use by the widgets of
// another.
QStyle *shared();

} // namespace FusionStyle
