# Install layout and packages.
# Linux: the usual prefix layout (bin, share/applications, share/icons/hicolor, share/man/man1,
# share/doc/vigilon with the README, the copyright file and the changelog) and a .deb of it.
# Windows: a folder per build (x86, x64) with the licence, a README for Windows users and a sample
# settings file above them, as the zip holds them.
set(VIGILON_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)
set(VIGILON_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${VIGILON_PACKAGING_OUT})

if(WIN32)
    # Notepad before Windows 10 shows LF-only text as one line, and reads UTF-8 as the ANSI code page
    # unless the file starts with a byte-order mark: the files for Windows users get CRLF, and the
    # README (Japanese and English) the mark as well.
    function(vigilon_windows_text source output with_bom)
        file(READ ${source} text)
        string(REPLACE "\r\n" "\n" text "${text}")
        string(REPLACE "\n" "\r\n" text "${text}")
        if(with_bom)
            string(ASCII 239 187 191 bom)
            string(PREPEND text "${bom}")
        endif()
        file(WRITE ${output} "${text}")
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
    endfunction()
    vigilon_windows_text(${PROJECT_SOURCE_DIR}/LICENSE ${VIGILON_PACKAGING_OUT}/LICENSE.txt OFF)
    vigilon_windows_text(${VIGILON_PACKAGING}/windows/README.txt ${VIGILON_PACKAGING_OUT}/README.txt ON)
    vigilon_windows_text(${VIGILON_PACKAGING}/windows/Vigilon.ini ${VIGILON_PACKAGING_OUT}/Vigilon.ini OFF)

    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set(VIGILON_WINDOWS_DIR x64)
    else()
        set(VIGILON_WINDOWS_DIR x86)
    endif()
    install(TARGETS vigilon RUNTIME DESTINATION ${VIGILON_WINDOWS_DIR})
    # The other build's executable, for a zip with both (scripts/package.sh passes it).
    set(VIGILON_OTHER_WINDOWS_EXE "" CACHE FILEPATH "Vigilon.exe of the other Windows build, packed beside this one")
    if(VIGILON_OTHER_WINDOWS_EXE)
        if(VIGILON_WINDOWS_DIR STREQUAL "x64")
            install(PROGRAMS ${VIGILON_OTHER_WINDOWS_EXE} DESTINATION x86)
        else()
            install(PROGRAMS ${VIGILON_OTHER_WINDOWS_EXE} DESTINATION x64)
        endif()
    endif()
    install(FILES ${VIGILON_PACKAGING_OUT}/LICENSE.txt ${VIGILON_PACKAGING_OUT}/README.txt
                  ${VIGILON_PACKAGING_OUT}/Vigilon.ini DESTINATION .)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME "vigilon-${PROJECT_VERSION}-windows")
else()
    include(GNUInstallDirs)
    set(VIGILON_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/vigilon)

    # The Debian changelog's latest entry is this version, with the package's revision after it.
    file(STRINGS ${VIGILON_PACKAGING}/changelog latest LIMIT_COUNT 1)
    if(NOT latest MATCHES "^vigilon \\(([^)]+)-([^)-]+)\\) ")
        message(FATAL_ERROR "packaging/changelog: the first line is not 'vigilon (<version>-<revision>) ...'")
    endif()
    if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
        message(FATAL_ERROR "packaging/changelog's latest entry is for ${CMAKE_MATCH_1}, project() is at "
                            "${PROJECT_VERSION}: add an entry for ${PROJECT_VERSION} to packaging/changelog")
    endif()
    set(VIGILON_DEBIAN_REVISION ${CMAKE_MATCH_2})

    # The manual page and the changelog compressed as Debian wants them: gzip -9, no name or time in
    # the header, so the same sources give the same bytes.
    find_program(VIGILON_GZIP gzip REQUIRED)
    foreach(pair "vigilon.1;vigilon.1.gz" "changelog;changelog.Debian.gz")
        list(GET pair 0 source)
        list(GET pair 1 output)
        execute_process(COMMAND ${VIGILON_GZIP} -9nc ${VIGILON_PACKAGING}/${source}
                        OUTPUT_FILE ${VIGILON_PACKAGING_OUT}/${output} COMMAND_ERROR_IS_FATAL ANY)
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${VIGILON_PACKAGING}/${source})
    endforeach()

    install(TARGETS vigilon RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES packaging/vigilon.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    foreach(size 16 24 32 48 256)
        install(FILES assets/icon/vigilon-${size}.png RENAME vigilon.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    install(FILES assets/icon/vigilon.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    install(FILES ${VIGILON_PACKAGING_OUT}/vigilon.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES README.md packaging/copyright ${VIGILON_PACKAGING_OUT}/changelog.Debian.gz
            DESTINATION ${VIGILON_DOC_DIR})
    install(DIRECTORY docs/ DESTINATION ${VIGILON_DOC_DIR}/docs FILES_MATCHING PATTERN "*.png")

    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_RELEASE ${VIGILON_DEBIAN_REVISION})
    # The libraries and their lowest versions come from the executable (dpkg-shlibdeps); the font it
    # draws with is named here. hardinfo and xdg-open serve the about dialog.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
    set(CPACK_DEBIAN_PACKAGE_SUGGESTS "hardinfo")
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
endif()
set(CPACK_PACKAGE_NAME vigilon)
set(CPACK_PACKAGE_VENDOR "The Vigilon developers")
set(CPACK_PACKAGE_CONTACT "Vigilon developers <vigilon@users.noreply.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "always-on-top bar with CPU, memory, drive and power meters and a clock")
# The .deb's extended description, paragraphs apart.
set(CPACK_PACKAGE_DESCRIPTION [[
Vigilon is a small bar, 232 by 20 pixels at 96 dpi, that shows the CPU load,
the memory in use, how full the watched drives are, the power state and the
time of day. It rides on the right end of the active window's title bar and
follows it from window to window under EWMH window managers.

A double click on the clock opens a month calendar with the Japanese
holidays; resting the mouse on the bar shows the operating system, the
computer and user names and the network adapters. A settings dialog edits
the drives to watch, the check intervals, the holidays and the transparency.
Everything scales with the display's Xft.dpi.
]])
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
