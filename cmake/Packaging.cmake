# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# Packages made from the install rules: `cpack -G DEB` (and `-G RPM` where
# rpmbuild exists). The libraries a package needs are read off the programs
# by dpkg-shlibdeps, so they follow the system the package is built on.
set(CPACK_PACKAGE_NAME qamarly)
set(CPACK_PACKAGE_VENDOR "The Qamarly developers")
set(CPACK_PACKAGE_CONTACT "The Qamarly developers <developers@qamarly.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://qamarly.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Hijri (Umm al-Qura) and Gregorian calendar for the desktop")
set(CPACK_PACKAGE_DESCRIPTION
  "Qamarly shows today's date on the Hijri calendar, in its Umm al-Qura
reckoning, and on the Gregorian calendar. It converts any day from one
calendar to the other, counts the days between two days, lists the yearly
Islamic occasions and shows a month calendar with the desktop's events.
Every Hijri date can be shifted by whole days to match the local moon
sighting. A daily notification, the day of the month on the launcher icon
and two desktop widgets keep the date in view, and a command line answers
every calculation, in English and Arabic.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libical is loaded when an event is first written: no scan of the programs
# finds it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libical3")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The notification agent talks to the desktop's notification service.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "dbus-user-session")

set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_LICENSE "GPL-3.0-or-later")
set(CPACK_RPM_PACKAGE_GROUP "Applications/Productivity")
set(CPACK_RPM_PACKAGE_AUTOREQ ON)
set(CPACK_RPM_PACKAGE_REQUIRES "libical")
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
  /usr/share/man /usr/share/man/man1 /usr/share/icons /usr/share/icons/hicolor /usr/lib/systemd
  /usr/lib/systemd/user /usr/share/metainfo /usr/share/bash-completion /usr/share/bash-completion/completions
  /usr/share/zsh /usr/share/fish /usr/share/fish/vendor_completions.d /usr/share/doc)

include(CPack)
