// FLTK's drawing header without the X11 macros it drags in (None, Status, ...), which would rewrite
// our own names such as MessageIcon::None.
#pragma once

#include <FL/fl_draw.H>

#undef None
#undef Status
#undef Bool
#undef True
#undef False
#undef Success
#undef Always
