# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by sd_layer (Layers.cmake) as a script: fails when one of SOURCES includes a header from one
# of the folders in ABOVE; touches STAMP otherwise.
string(REPLACE "," ";" sources "${SOURCES}")
string(REPLACE "," ";" above "${ABOVE}")
set(faults)
foreach(source ${sources})
  file(STRINGS ${source} includes REGEX "^#include \"")
  foreach(line ${includes})
    string(REGEX REPLACE "^#include \"([^\"]*)\".*" "\\1" header "${line}")
    foreach(folder ${above})
      if(header MATCHES "^${folder}/")
        list(APPEND faults "${source}: includes ${header}, above the ${LAYER} layer")
      endif()
    endforeach()
  endforeach()
endforeach()
if(faults)
  list(JOIN faults "\n" text)
  message(FATAL_ERROR "${text}")
endif()
file(TOUCH ${STAMP})
