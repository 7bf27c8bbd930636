#pragma once

#include <QSize>

class QWidget;

// Where the main window sits: restored from the settings at start and stored at the end, and
// kept within a screen smaller than its usual minimum.
namespace WindowPlacement {

// Maximized unless the settings say otherwise; else their size and place.
void restore(QWidget *window);
// A window pushed partly off the screen's left or top edge is stored at the edge.
void save(const QWidget *window);
// The minimum size, or the screen's available area when that is smaller (a 1366 x 768 laptop
// with a panel); titleBar: the room left for the frame before the window manager has framed it.
void fitToScreen(QWidget *window, QSize minimum, int titleBar);

} // namespace WindowPlacement
