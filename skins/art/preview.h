// A picture of the skin at work, for people reviewing the art: a window with its title bar,
// a page control, buttons in their three states, fields, check marks, a list with its scroll
// bar, a panel and a popup menu. It composes sections the way the skin engine does (gradients,
// transparency, nine-part borders with masks and holes, glyphs), in a simplified form: it is a
// drawing aid, not the engine, and text is shown as bars in the text colour.
#pragma once

#include "options_reader.h"
#include "raster.h"

namespace tidewater {

Picture DrawPreview(const Sections& sections, const std::vector<ImageRef>& refs, const Picture& master,
                    const Picture& buttonHuge);

}  // namespace tidewater
