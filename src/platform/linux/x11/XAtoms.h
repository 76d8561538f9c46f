// The X atoms the Linux backend uses, all interned in one round trip the first time one is asked.
// X11 headers stay in XAtoms.cpp.
#pragma once

namespace platform::x11 {

enum class XAtom {
    ActiveWindow,
    AllowedActions,
    ActionMinimize,
    ActionMaximizeHorz,
    ActionMaximizeVert,
    ActionResize,
    WindowType,
    TypeUtility,
    TypeToolbar,
    TypeNormal,
    TypeDialog,
    TypeDesktop,
    TypeDock,
    State,
    StateHidden,
    StateMaximizedVert,
    StateMaximizedHorz,
    StateFullscreen,
    StateSkipTaskbar,
    StateSkipPager,
    StateAbove,
    FrameExtents,
    RequestFrameExtents,
    Supported,
    SupportingWmCheck,
    WmName,
    WindowOpacity,
    MoveResize,
    MotifWmHints,
    GtkFrameExtents,
    WorkArea,
    CurrentDesktop,
    Count
};

// The atom's value (an X Atom) on FLTK's display connection, which it opens if need be.
unsigned long AtomOf(XAtom atom);

}  // namespace platform::x11
