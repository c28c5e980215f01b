# Checks every #include of runtime/, calc/, ui/ and app/ against the layers:
# a layer may include its own headers and those of the layers below it, and
# runtime/ and calc/ include no Qt module above Qt Core. Catches what the
# include directories cannot: a path that climbs out of its folder ("../")
# and Qt headers named with their module ("QtWidgets/QWidget").
#
#   cmake -DSOURCE_DIR=<project> -P checkIncludes.cmake

cmake_minimum_required(VERSION 3.25)

set(allowed_runtime runtime)
set(allowed_calc calc runtime)
set(allowed_ui ui calc runtime)
set(allowed_app app ui calc runtime)
set(layers runtime calc ui app)
set(widgetModules "QtGui|QtWidgets|QtSvg|QtSvgWidgets|QtOpenGL")

set(faults "")
foreach(layer IN LISTS layers)
  file(GLOB_RECURSE files "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp"
       "${SOURCE_DIR}/${layer}/*.in")
  foreach(file IN LISTS files)
    file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include")
    file(RELATIVE_PATH name "${SOURCE_DIR}" "${file}")
    foreach(line IN LISTS lines)
      if(NOT line MATCHES "include[ \t]*[<\"]([^>\"]+)[>\"]")
        continue()
      endif()
      set(path "${CMAKE_MATCH_1}")
      string(REGEX REPLACE "/.*" "" top "${path}")
      if(path MATCHES "(^|/)\\.\\./")
        list(APPEND faults "${name}: ${path} climbs out of its folder")
      elseif(top IN_LIST layers AND NOT top IN_LIST allowed_${layer})
        list(APPEND faults "${name}: ${layer}/ may not include ${path}")
      elseif(layer MATCHES "^(runtime|calc)$" AND path MATCHES "^(${widgetModules})/")
        list(APPEND faults "${name}: ${layer}/ may not include ${path}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "includes against the layers:\n  ${text}")
endif()
