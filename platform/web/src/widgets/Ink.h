#pragma once

#include <string>

#include "widgets/Element.h"

namespace platform {
struct Color;
}

namespace platform::web {

// A colour as CSS writes it: "#0000ff".
std::string CssColor(Color color);

// Gives `element` the design's ink: as it is on the page's light background, and on its dark
// one, as the desktop keeps a design's colours legible on a dark theme, the nearest colour of
// its hue that reads at 4.5:1 there; a grey (black, as designs mostly have it) takes the
// theme's text colour there.
void UseDesignInk(Element& element, Color ink);

}  // namespace platform::web
