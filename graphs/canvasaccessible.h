// What assistive technology sees of a canvas: its role (a graph's image, a
// meter's text), a press action when it reacts to clicks, and a show-menu
// action when it has a context menu.
#pragma once

namespace graphs {

// Makes canvases known to assistive technology. Called once by the application.
void installCanvasAccessibility();

} // namespace graphs
