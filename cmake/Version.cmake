# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The version and its date come from the newest entry of debian/changelog, the one place they are
# written. The newest release of the AppStream metainfo and the manual page's header must say the
# same: the configuration stops where one of them does not.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../debian/changelog sd_changelog_top LIMIT_COUNT 1)
if(NOT sd_changelog_top MATCHES "^sistema-decimale \\(([0-9]+\\.[0-9]+\\.[0-9]+)\\) ")
  message(FATAL_ERROR "debian/changelog: no version on its first line: ${sd_changelog_top}")
endif()
set(SD_VERSION ${CMAKE_MATCH_1})
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../debian/changelog sd_changelog_trailer
  REGEX "^ -- .*  [A-Z][a-z][a-z], [0-9][0-9] [A-Z][a-z][a-z] [0-9][0-9][0-9][0-9] " LIMIT_COUNT 1)
if(NOT sd_changelog_trailer MATCHES ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "debian/changelog: no date under its newest entry")
endif()
set(sd_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND sd_months ${CMAKE_MATCH_2} sd_month)
if(sd_month LESS 0)
  message(FATAL_ERROR "debian/changelog: no month ${CMAKE_MATCH_2}")
endif()
math(EXPR sd_month "${sd_month} + 1" OUTPUT_FORMAT DECIMAL)
string(LENGTH "${sd_month}" sd_digits)
if(sd_digits EQUAL 1)
  set(sd_month 0${sd_month})
endif()
set(SD_RELEASE_DATE ${CMAKE_MATCH_3}-${sd_month}-${CMAKE_MATCH_1})

set(sd_metainfo ${CMAKE_CURRENT_LIST_DIR}/../packaging/it.scuola.SistemaDecimale.metainfo.xml)
file(STRINGS ${sd_metainfo} sd_release REGEX "<release " LIMIT_COUNT 1)
set(sd_expected "<release version=\"${SD_VERSION}\" date=\"${SD_RELEASE_DATE}\"/>")
string(STRIP "${sd_release}" sd_release)
if(NOT sd_release STREQUAL sd_expected)
  message(FATAL_ERROR "The newest release of ${sd_metainfo} is not debian/changelog's: "
    "${sd_release} instead of ${sd_expected}")
endif()

set(sd_manual ${CMAKE_CURRENT_LIST_DIR}/../packaging/sistema-decimale.1)
file(STRINGS ${sd_manual} sd_header REGEX "^\\.TH " LIMIT_COUNT 1)
set(sd_expected ".TH SISTEMA-DECIMALE 1 ${SD_RELEASE_DATE} \"sistema-decimale ${SD_VERSION}\"")
string(FIND "${sd_header}" "${sd_expected} " sd_at)
if(NOT sd_at EQUAL 0)
  message(FATAL_ERROR "The header of ${sd_manual} does not name debian/changelog's version and "
    "date: ${sd_header} instead of ${sd_expected}")
endif()
