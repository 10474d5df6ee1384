# One Debian package with both programs, built by `cpack` in the folder of an
# optimised build: the release preset's, in build-release/, which builds for
# size (MinSizeRel), as scripts/run.sh does. dpkg-shlibdeps derives the
# libraries the programs link; the rest are what the programs open or Qt loads
# at run time, or what they call on: libical, which dayglass opens for its
# first iCalendar import or export, the window system plugins, the image
# formats of the launcher's pictures, the Japanese texts of Qt's dialogs, a
# Japanese Gothic font for the fonts of the design, and the shared MIME
# database, by which GIO
# finds the application for a file that discgate opens; its trigger also
# gives Autorun.inf its own type. Recommended: the Wayland platform plugin
# (where a desktop offers X11 too, both programs run there) and
# desktop-file-utils, whose trigger tells the desktop that discgate handles
# media with an Autorun.inf.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PACKAGE_NAME})
set(CPACK_PACKAGE_CONTACT ${PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "count-down timer with a calendar, and a start menu for media")
set(CPACK_PACKAGE_DESCRIPTION
    "dayglass counts down to the end of a period in seven units at once, with a
bar that turns from blue to red, and keeps day notes in a month calendar.
discgate is the skinned start menu of a distribution medium, built from the
medium's Autorun.inf. Both have a Japanese user interface and keep their
files in Shift-JIS.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "${LIBICAL_PACKAGE}, qt6-qpa-plugins, qt6-image-formats-plugins, qt6-translations-l10n, fonts-ipafont-gothic | fonts-noto-cjk, shared-mime-info")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, desktop-file-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)
