#pragma once

class QWidget;

// Print previews draw the page at printer resolution and scale it down to the screen; without
// smooth scaling thin lines and letters lose pixels. Turns on smooth, antialiased drawing in
// every print preview view inside widget (a QPrintPreviewWidget or a dialog holding one).
namespace SmoothPreview {

void apply(QWidget *widget);

} // namespace SmoothPreview
