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

set(SD_PACKAGE_MAINTAINER "Il sistema decimale <sistema-decimale@localhost>"
  CACHE STRING "The Maintainer field of the Debian package")

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
