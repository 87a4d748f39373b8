# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the clock as a desktop program and packages it as a .deb (cpack).
#
# <prefix>/lib/horalux/        the program's folder: horalux, cmdtime, pictures, sound, help/;
#                              the program finds all of them beside itself, so they stay together
# <prefix>/bin/horalux         relative symlink into it, so the prefix can move whole
# <prefix>/share/...           desktop entry, AppStream metainfo, hicolor icons, man pages
#
# platform::startCommandFor knows this layout: keep the two in step.

include(GNUInstallDirs)

set(HORALUX_INSTALL_PROGRAM_DIR lib/horalux)
# The day PROJECT_VERSION was released; change the two together.
set(HORALUX_RELEASE_DATE 2026-12-07)
set(HORALUX_PACKAGE_MAINTAINER "Horalux developers <packages@horalux.invalid>" CACHE STRING
    "Maintainer field of the .deb")

set(HORALUX_PACKAGING_SOURCE_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(HORALUX_PACKAGING_BINARY_DIR ${PROJECT_BINARY_DIR}/packaging)

# ---- The program's folder --------------------------------------------------
install(TARGETS horalux cmdtime RUNTIME DESTINATION ${HORALUX_INSTALL_PROGRAM_DIR})
# The transfer control, loaded by the program from its own folder when needed.
install(TARGETS horalux_http LIBRARY DESTINATION ${HORALUX_INSTALL_PROGRAM_DIR})
# Debian wants every shared object to name the C library it runs on; the
# toolchain's default --as-needed drops it from a module that reaches libc
# only through Qt.
target_link_options(horalux_http PRIVATE "LINKER:--push-state,--no-as-needed,-lc,--pop-state")

# The same pictures and sound the build puts beside the program.
get_directory_property(HORALUX_INSTALLED_DATA DIRECTORY ${PROJECT_SOURCE_DIR}/data
                       DEFINITION HORALUX_PROGRAM_FILES)
if(NOT HORALUX_INSTALLED_DATA)
    message(FATAL_ERROR "data/CMakeLists.txt no longer names the program's files in HORALUX_PROGRAM_FILES")
endif()
list(TRANSFORM HORALUX_INSTALLED_DATA PREPEND ${PROJECT_SOURCE_DIR}/data/)
install(FILES ${HORALUX_INSTALLED_DATA} DESTINATION ${HORALUX_INSTALL_PROGRAM_DIR})

# The help page as the build lays it out.
install(DIRECTORY ${PROJECT_BINARY_DIR}/help/ DESTINATION ${HORALUX_INSTALL_PROGRAM_DIR}/help)

# ---- Launcher ----------------------------------------------------------------
# A symlink rather than a script: the kernel follows it, and the program's folder
# is where /proc/self/exe really lies, whatever path started it.
file(MAKE_DIRECTORY ${HORALUX_PACKAGING_BINARY_DIR}/bin)
file(CREATE_LINK ../${HORALUX_INSTALL_PROGRAM_DIR}/horalux ${HORALUX_PACKAGING_BINARY_DIR}/bin/horalux SYMBOLIC)
install(FILES ${HORALUX_PACKAGING_BINARY_DIR}/bin/horalux DESTINATION bin)

# ---- Desktop integration -------------------------------------------------------
# The desktop entry and the AppStream component are named by a reverse domain
# name, as AppStream asks; the command, the icon and the autostart entry
# (~/.config/autostart/horalux.desktop, which users already have) stay "horalux".
set(HORALUX_APP_ID org.horalux.horalux)
install(FILES ${HORALUX_PACKAGING_SOURCE_DIR}/${HORALUX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

configure_file(${HORALUX_PACKAGING_SOURCE_DIR}/${HORALUX_APP_ID}.metainfo.xml.in
               ${HORALUX_PACKAGING_BINARY_DIR}/${HORALUX_APP_ID}.metainfo.xml @ONLY)
install(FILES ${HORALUX_PACKAGING_BINARY_DIR}/${HORALUX_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons
        FILES_MATCHING PATTERN horalux.png PATTERN horalux.svg)

# Man pages and the changelog compressed as Debian does it: -9, no name or
# time stamp, so the same sources give the same bytes.
function(horalux_gzip file)
    execute_process(COMMAND gzip -9n -c ${file} OUTPUT_FILE ${file}.gz RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "gzip ${file}: ${failed}")
    endif()
endfunction()

foreach(page horalux.1 cmdtime.1)
    configure_file(${HORALUX_PACKAGING_SOURCE_DIR}/${page}.in ${HORALUX_PACKAGING_BINARY_DIR}/${page} @ONLY)
    horalux_gzip(${HORALUX_PACKAGING_BINARY_DIR}/${page})
    install(FILES ${HORALUX_PACKAGING_BINARY_DIR}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# ---- Copyright and changelog -----------------------------------------------------
# Where Debian looks for them: named after the package, not the project.
set(HORALUX_INSTALL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/horalux)
execute_process(COMMAND date -u -R -d ${HORALUX_RELEASE_DATE} OUTPUT_VARIABLE HORALUX_RELEASE_DATE_RFC5322
                OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "HORALUX_RELEASE_DATE ${HORALUX_RELEASE_DATE} is not a date")
endif()
configure_file(${HORALUX_PACKAGING_SOURCE_DIR}/copyright.in ${HORALUX_PACKAGING_BINARY_DIR}/copyright @ONLY)
configure_file(${HORALUX_PACKAGING_SOURCE_DIR}/changelog.in ${HORALUX_PACKAGING_BINARY_DIR}/changelog @ONLY)
horalux_gzip(${HORALUX_PACKAGING_BINARY_DIR}/changelog)
install(FILES ${HORALUX_PACKAGING_BINARY_DIR}/copyright ${HORALUX_PACKAGING_BINARY_DIR}/changelog.gz
        DESTINATION ${HORALUX_INSTALL_DOC_DIR})
# What lintian reports that does not apply here, each with its reason.
install(FILES ${HORALUX_PACKAGING_SOURCE_DIR}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME horalux)

# ---- Debian package -------------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME horalux)
set(CPACK_PACKAGE_VENDOR "Horalux developers")
set(CPACK_PACKAGE_CONTACT "${HORALUX_PACKAGE_MAINTAINER}")
# Debian's synopsis starts without an article.
string(REGEX REPLACE "^(A|An|The) " "" CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION [[
A borderless clock on the desktop that cycles through 24 world zones and
two of your own, shows each zone's time and date and dresses itself for
the zone's time of day.

Includes cmdtime, a small SNTP client that sets the system clock.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${HORALUX_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; Liberation Sans stands in for Arial.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libcanberra0 is loaded when the clock first plays a sound, so the
# library scan does not see it. Qt chooses its platform plugin at start-up from
# those installed, and libqt6gui6 only recommends qt6-qpa-plugins, which an
# install without recommends leaves out.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libcanberra0, qt6-qpa-plugins")
# Qt's own buttons (Yes, No, Cancel) in the user's language, a font with
# Japanese glyphs, and Qt's Wayland plugin for a user who sets
# QT_QPA_PLATFORM=wayland; the clock runs without them (through XWayland under
# Wayland), its own texts still translated.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-ipafont-gothic | fonts-noto-cjk, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The package manager owns the files of the .deb: HORALUX_SELF_UPDATE is off
# in it whatever the build says (UpdatePolicy reads the mark).
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/deb_package_managed.cmake)
include(CPack)
