# The Debian packages each job needs (sourced by run.sh and test.sh). locales-all lets the clock
# tests check the time and date texts of real locales, not just C; the window managers, xterm and
# wmctrl serve the smoke tests under each manager (gtk3-demo of gtk-3-examples is their header-bar
# window); x11-xserver-utils has xrdb, which gives the smoke test's display another Xft.dpi.
# shellcheck disable=SC2034
BUILD_PACKAGES=(cmake ninja-build g++ libfltk1.3-dev libx11-dev libxext-dev libxrandr-dev libxinerama-dev fonts-ipafont-gothic)
DISPLAY_PACKAGES=(xvfb openbox xdotool x11-utils x11-xserver-utils imagemagick)
TEST_PACKAGES=(libgtest-dev googletest locales-all g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64
    desktop-file-utils xterm wmctrl dbus xfwm4 fluxbox icewm i3-wm kwin-x11 kwin-style-breeze mutter gtk-3-examples)
# The fuzz targets: clang with libFuzzer, AddressSanitizer and UBSan.
FUZZ_PACKAGES=(clang)
# scripts/package.sh: dpkg-shlibdeps (dpkg-dev, which CPack runs after file) for the .deb's
# dependencies; tests/install/package_test.sh: lintian and unzip; install_test.sh validates the
# desktop entry and reads the manual page with man.
PACKAGE_PACKAGES=(dpkg-dev file unzip lintian desktop-file-utils man-db)
# assets/icon/make-icons.sh, only when the icon's SVG changes.
ICON_PACKAGES=(librsvg2-bin icoutils imagemagick python3)
