// The icons of the three tool buttons: a single stroke or a cross over the button's background.
// Which tool is chosen shows in the button's background colour, not in the icon.
#pragma once

namespace cw {

class Surface;

void LinePic_Paint(Surface& s);
void PencilPic_Paint(Surface& s);
void DelPic_Paint(Surface& s);

}  // namespace cw
