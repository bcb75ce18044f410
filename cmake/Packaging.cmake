# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What `cmake --install` puts in place besides the program, and the Debian package CPack makes of
# it (scripts/package.sh).
include(GNUInstallDirs)

set(SD_APPSTREAM_ID it.scuola.SistemaDecimale)
set(SD_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

install(FILES ${SD_PACKAGING_DIR}/sistema-decimale.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${SD_PACKAGING_DIR}/${SD_APPSTREAM_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${SD_PACKAGING_DIR}/icons/sistema-decimale.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
  install(FILES ${SD_PACKAGING_DIR}/icons/${size}x${size}/sistema-decimale.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# The version is the newest release the metainfo lists, so that the two never disagree.
file(STRINGS ${SD_PACKAGING_DIR}/${SD_APPSTREAM_ID}.metainfo.xml SD_RELEASE
  REGEX "<release version=\"[^\"]+\"" LIMIT_COUNT 1)
string(REGEX REPLACE ".*<release version=\"([^\"]+)\".*" "\\1" SD_VERSION "${SD_RELEASE}")

# Who answers for the package: DEBFULLNAME and DEBEMAIL, as for Debian's own tools, or else the
# author of the commit the package is made from.
set(SD_PACKAGE_MAINTAINER "" CACHE STRING "The Maintainer field of the Debian package")
if(NOT SD_PACKAGE_MAINTAINER AND DEFINED ENV{DEBFULLNAME} AND DEFINED ENV{DEBEMAIL})
  set(SD_PACKAGE_MAINTAINER "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
endif()
if(NOT SD_PACKAGE_MAINTAINER)
  execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} log -1 "--format=%an <%ae>"
    OUTPUT_VARIABLE SD_PACKAGE_MAINTAINER OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
if(NOT SD_PACKAGE_MAINTAINER MATCHES "^[^<>]+ <[^<>@ ]+@[^<>@ ]+>$")
  message(WARNING "No maintainer for the Debian package: set DEBFULLNAME and DEBEMAIL, or "
    "-DSD_PACKAGE_MAINTAINER=\"Name <address>\"")
endif()

# What Debian wants beside every package: the licence in its machine-readable form, the changelog
# and the manual page, the last two compressed as dpkg leaves them alone (no name, no time).
set(SD_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/sistema-decimale)
set(SD_PACKAGING_OUT ${PROJECT_BINARY_DIR}/packaging)
file(STRINGS ${SD_PACKAGING_DIR}/changelog SD_CHANGELOG_TOP LIMIT_COUNT 1)
if(NOT SD_CHANGELOG_TOP MATCHES "^sistema-decimale \\(${SD_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog does not start with version ${SD_VERSION}, the newest "
    "release in the metainfo: ${SD_CHANGELOG_TOP}")
endif()
configure_file(${SD_PACKAGING_DIR}/copyright ${SD_PACKAGING_OUT}/copyright @ONLY)
configure_file(${SD_PACKAGING_DIR}/changelog ${SD_PACKAGING_OUT}/changelog @ONLY)
foreach(page changelog sistema-decimale.1)
  if(page STREQUAL changelog)
    set(from ${SD_PACKAGING_OUT}/changelog)
  else()
    set(from ${SD_PACKAGING_DIR}/${page})
  endif()
  add_custom_command(OUTPUT ${SD_PACKAGING_OUT}/${page}.gz
    COMMAND gzip -9nc ${from} > ${SD_PACKAGING_OUT}/${page}.gz
    DEPENDS ${from} VERBATIM)
  list(APPEND SD_COMPRESSED ${SD_PACKAGING_OUT}/${page}.gz)
endforeach()
add_custom_target(sd_package_docs ALL DEPENDS ${SD_COMPRESSED})
install(FILES ${SD_PACKAGING_OUT}/copyright ${SD_PACKAGING_OUT}/changelog.gz
  DESTINATION ${SD_DOC_DIR})
# The program speaks only Italian, and so does its one manual page.
install(FILES ${SD_PACKAGING_OUT}/sistema-decimale.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sistema-decimale)
set(CPACK_PACKAGE_VERSION ${SD_VERSION})
set(CPACK_PACKAGE_CONTACT "${SD_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "esercizi sul valore posizionale delle cifre")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "L'alunno della scuola primaria sceglie i multipli (centinaia, decine,
unità) o i sottomultipli (unità, decimi, centesimi, millesimi), risponde a
dieci domande con una tastiera sullo schermo e stampa l'esercizio e un
attestato di merito. Tutto in italiano.")
# The libraries it links come from dpkg-shlibdeps. libcups2 is opened at run time, on the first
# print, so no tool sees it; the windows are drawn in Liberation faces.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcups2, fonts-liberation")
# The print service, and a "PDF" queue that prints to files.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cups, printer-driver-cups-pdf")
include(CPack)
