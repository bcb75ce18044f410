# SPDX-FileCopyrightText: 2026 Il sistema decimale developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The program's layers, lowest first, each with the folders under src/ that hold it. A source may
# include headers of its own layer and of the layers below it: the build stops at an include that
# runs upward (cmake/CheckLayer.cmake), before the target is compiled.
set(SD_LAYERS state core platform drawing widgets windows app)
set(SD_LAYER_state state)
set(SD_LAYER_core banks exercise certificate printing)
set(SD_LAYER_platform platform)
set(SD_LAYER_drawing ui/drawing)
set(SD_LAYER_widgets ui/widgets)
set(SD_LAYER_windows ui/windows)
set(SD_LAYER_app app)

# sd_layer(TARGET LAYER): the sources of TARGET belong to LAYER.
function(sd_layer target layer)
  list(FIND SD_LAYERS ${layer} own)
  if(own EQUAL -1)
    message(FATAL_ERROR "${target}: no layer called ${layer}")
  endif()
  set(above)
  list(LENGTH SD_LAYERS count)
  math(EXPR first "${own} + 1")
  foreach(index RANGE ${first} ${count})
    if(index LESS count)
      list(GET SD_LAYERS ${index} higher)
      list(APPEND above ${SD_LAYER_${higher}})
    endif()
  endforeach()
  get_target_property(sources ${target} SOURCES)
  list(TRANSFORM sources PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}.layer)
  string(REPLACE ";" "," sources_arg "${sources}")
  string(REPLACE ";" "," above_arg "${above}")
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DSOURCES=${sources_arg} -DABOVE=${above_arg} -DLAYER=${layer}
      -DSTAMP=${stamp} -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayer.cmake
    DEPENDS ${sources} ${PROJECT_SOURCE_DIR}/cmake/CheckLayer.cmake
    COMMENT "Checking that ${target} includes nothing above the ${layer} layer" VERBATIM)
  add_custom_target(${target}_layer DEPENDS ${stamp})
  add_dependencies(${target} ${target}_layer)
endfunction()
