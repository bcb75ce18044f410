# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What `cmake --install` puts in place besides the program: the menu entry, the AppStream data and
# the icons. The Debian package (debian/, scripts/package.sh) adds the manual page, the changelog
# and the copyright file with debhelper.
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
