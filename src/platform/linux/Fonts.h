// Windows font requests answered with the IPA Gothic faces through FLTK's Xft fonts.
#pragma once

#include <string_view>

#include "platform/Platform.h"

namespace platform::x11 {

// The installed face standing in for a Windows face: "ＭＳ ゴシック" -> IPAGothic, everything else
// (the proportional "ＭＳ Ｐゴシック" included) -> IPAPGothic.
std::string_view SubstituteFace(std::string_view windowsFace);

// Pixel height of a point size on a 96 dpi screen, rounded: 8.25 pt -> 11 px, 14.25 pt -> 19 px.
int PixelsFromPoints(double points);

// Where the baseline sits below the top of a text cell, in pixels: the ascent of the Windows Gothic
// faces (220/256 em), which the program's label layouts were made for. IPA's own ascent is a pixel
// taller at small sizes and would push digits out of the bar's 10-pixel cells.
int AscentPixels(int pixelSize);

// The FLTK font number for the request; each face and weight is registered with FLTK once.
int FltkFontFor(const Font& font);

// The face and size used for the backend's own text (message box, tooltips).
inline const Font kUiFont{"ＭＳ Ｐゴシック", 9.0, 400};

}  // namespace platform::x11
