// Windows font requests answered with the IPA Gothic faces through FLTK's Xft fonts.
#pragma once

#include <string_view>

#include "platform/Platform.h"

namespace platform::x11 {

// The installed face standing in for a Windows face: "ＭＳ ゴシック" -> IPAGothic, everything else
// (the proportional "ＭＳ Ｐゴシック" included) -> IPAPGothic.
std::string_view SubstituteFace(std::string_view windowsFace);

// The resolution text is drawn at (Xft.dpi, which the platform sets); 96 until it is set.
void SetFontDpi(int dpi);

// Pixel height of a point size at a resolution, rounded: at 96 dpi 8.25 pt -> 11 px and
// 14.25 pt -> 19 px, at 192 dpi 22 and 38 px.
int PixelsFromPoints(double points, int dpi);
// The same at the resolution text is drawn at.
int PixelsFromPoints(double points);
// A size the backend's own windows (message box, menus) have at 96 dpi, at the drawing resolution.
int ScaledPixels(int pixelsAt96);

// Where the baseline sits below the top of a text cell, in pixels: the ascent of the Windows Gothic
// faces (220/256 em), which the program's label layouts were made for. IPA's own ascent is a pixel
// taller at small sizes and would push digits out of the bar's 10-pixel cells.
int AscentPixels(int pixelSize);

// The FLTK font number for the request; each face and weight is registered with FLTK once.
int FltkFontFor(const Font& font);

// The face and size used for the backend's own text (message box, tooltips).
inline const Font kUiFont{"ＭＳ Ｐゴシック", 9.0, 400};

}  // namespace platform::x11
