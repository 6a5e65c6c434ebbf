// SPDX-License-Identifier: MIT
#pragma once

namespace zelvan {

class Surface;

// Paints the dial face: the olive ring, the face in the surface's fill colour,
// sixty marks (red at every fifth) and the numerals 5 to 60 on the ring.
// The hands are drawn over it afterwards by the display refresh.
void DrawDialFace(Surface &picture);

} // namespace zelvan
