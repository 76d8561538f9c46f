// Line drawing: the bounds run from the first end point to the second, plus the pixel they cover.
#include "forms/Line.h"

#include <algorithm>

namespace forms {

Line::Line(Form& owner, std::string name, Twips x1, Twips y1, Twips x2, Twips y2)
    : Control(owner,
              std::move(name),
              {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) - std::min(x1, x2),
               std::max(y1, y2) - std::min(y1, y2)}) {}

void Line::SetBorderColor(ColorRef c) {
    if (Assign(color_, c))
        Invalidate();
}

void Line::Paint(platform::Canvas& canvas) const {
    const platform::PixelRect r = PixelBounds();
    canvas.FillRect({r.left, r.top, std::max(r.right, r.left + 1), std::max(r.bottom, r.top + 1)}, color_.Resolve());
}

}  // namespace forms
