# SPDX-License-Identifier: LicenseRef-proprietary
# A Debian package of everything `cmake --install` puts in place, built with
# `cpack -G DEB` (see `make package`).

set(CPACK_PACKAGE_NAME "railpin-calculator")
set(CPACK_PACKAGE_VENDOR "The Railpin Calculator developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION
"A small desktop calculator that spaces the railpins (balusters) of a stair,
deck or balcony rail evenly between two posts. It takes inches as decimals or
fractions, finds the smallest count that keeps every gap within a maximum, and
gives the gap and the on-centre distances as decimals and as rounded fractions.
Railing jobs of several level and stair sections, in inches or millimetres,
are laid out in a job window, saved as .railpin files and printed or written
as PDF sheets with a to-scale drawing and the marks from both posts.")
# The project has no public address yet; .invalid says so instead of
# inventing one.
set(CPACK_PACKAGE_CONTACT "The Railpin Calculator developers <developers@railpin.invalid>")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION "math")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# The Qt and C++ runtime dependencies are read from the binary itself.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translations, for the buttons of its standard dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# railpin-calculator_1.0.2_amd64.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

include(CPack)
