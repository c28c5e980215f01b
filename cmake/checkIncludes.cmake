# Checks every #include of runtime/, calc/, ui/, app/ and tools/ against the
# layers: a layer may include its own headers and those of the layers below
# it, runtime/ and calc/ include no Qt module above Qt Core, and the build
# tools in tools/ include nothing of the layers but the headers they name
# (tools/CMakeLists.txt). Catches what the include directories cannot: a path
# that climbs out of its folder ("../") and Qt headers named with their
# module ("QtWidgets/QWidget").
#
#   cmake -DSOURCE_DIR=<project> -P checkIncludes.cmake

cmake_minimum_required(VERSION 3.25)

set(allowed_runtime runtime)
set(allowed_calc calc runtime)
set(allowed_ui ui calc runtime)
set(allowed_app app ui calc runtime)
set(allowed_tools "")
set(allowedHeaders_tools ui/bitmapSet.h)
set(layers runtime calc ui app)
set(widgetModules "QtGui|QtWidgets|QtSvg|QtSvgWidgets|QtOpenGL")

set(faults "")
foreach(folder IN LISTS layers ITEMS tools)
  file(GLOB_RECURSE files "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp"
       "${SOURCE_DIR}/${folder}/*.in")
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
      elseif(top IN_LIST layers AND NOT top IN_LIST allowed_${folder}
             AND NOT path IN_LIST allowedHeaders_${folder})
        list(APPEND faults "${name}: ${folder}/ may not include ${path}")
      elseif(folder MATCHES "^(runtime|calc)$" AND path MATCHES "^(${widgetModules})/")
        list(APPEND faults "${name}: ${folder}/ may not include ${path}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "includes against the layers:\n  ${text}")
endif()
