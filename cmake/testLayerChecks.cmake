# Shows that the layer checks fail when they should: builds the two-layer
# project in tests/layers/project clean and with each breach (an include of a
# higher layer's header, a link that reaches a forbidden library through a
# generator expression), and runs checkIncludes.cmake on the sources of
# tests/layers/scan, each include of which breaks a rule. Fails when a breach
# goes through, or when the clean project does not build.
#
#   cmake -DSOURCE_DIR=<project> -DWORK_DIR=<scratch folder> -DGENERATOR=<generator>
#         -DCXX_COMPILER=<compiler> -P testLayerChecks.cmake

cmake_minimum_required(VERSION 3.25)

set(failures "")
# Records a failure unless the condition, given as if() arguments, holds.
function(expect what)
  cmake_language(EVAL CODE "if(${ARGN})\n  set(holds TRUE)\nelse()\n  set(holds FALSE)\nendif()")
  if(NOT holds)
    set(failures "${failures}\n  ${what}" PARENT_SCOPE)
  endif()
endfunction()

# Configures and builds the project with VIOLATION=${violation}: sets
# <violation>_configured, <violation>_built and <violation>_output.
function(build_fixture violation)
  set(dir "${WORK_DIR}/${violation}")
  file(REMOVE_RECURSE "${dir}")
  execute_process(COMMAND "${CMAKE_COMMAND}" -S "${SOURCE_DIR}/tests/layers/project" -B "${dir}"
                          -G "${GENERATOR}" "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}"
                          "-DLAYERS_CMAKE=${SOURCE_DIR}/cmake/layers.cmake"
                          "-DVIOLATION=${violation}"
                  RESULT_VARIABLE configureStatus OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(built FALSE)
  if(configureStatus EQUAL 0)
    execute_process(COMMAND "${CMAKE_COMMAND}" --build "${dir}"
                    RESULT_VARIABLE buildStatus OUTPUT_VARIABLE buildOut ERROR_VARIABLE buildErr)
    string(APPEND out "${buildOut}")
    string(APPEND err "${buildErr}")
    if(buildStatus EQUAL 0)
      set(built TRUE)
    endif()
  endif()
  if(configureStatus EQUAL 0)
    set(${violation}_configured TRUE PARENT_SCOPE)
  else()
    set(${violation}_configured FALSE PARENT_SCOPE)
  endif()
  set(${violation}_built ${built} PARENT_SCOPE)
  set(${violation}_output "${out}${err}" PARENT_SCOPE)
endfunction()

build_fixture(none)
expect("the clean two-layer project does not build:\n${none_output}" none_built)

build_fixture(include)
expect("an include of a higher layer's header compiles" NOT include_built)
string(FIND "${include_output}" "high/high.h" at)
expect("the include breach stops for another reason than the missing header:\n${include_output}"
       include_configured AND NOT at EQUAL -1)

build_fixture(link)
expect("a link to a forbidden library through a generator expression configures"
       NOT link_configured)
string(FIND "${link_output}" "low links forbidden, which its layer may not use" at)
expect("the link breach stops for another reason:\n${link_output}" NOT at EQUAL -1)

execute_process(COMMAND "${CMAKE_COMMAND}" "-DSOURCE_DIR=${SOURCE_DIR}/tests/layers/scan"
                        -P "${SOURCE_DIR}/cmake/checkIncludes.cmake"
                RESULT_VARIABLE scanStatus OUTPUT_VARIABLE scanOut ERROR_VARIABLE scanErr)
set(scan "${scanOut}${scanErr}")
expect("the include scan passes sources that break the layers" NOT scanStatus EQUAL 0)
foreach(fault "calc/againstTheLayers.cpp: calc/ may not include ui/frmBJT.h"
              "calc/againstTheLayers.cpp: ../ui/inputBox.h climbs out of its folder"
              "calc/againstTheLayers.cpp: calc/ may not include QtWidgets/QWidget"
              "tools/againstTheLayers.cpp: tools/ may not include calc/panel.h")
  string(FIND "${scan}" "${fault}" at)
  expect("the include scan misses '${fault}':\n${scan}" NOT at EQUAL -1)
endforeach()
foreach(allowed "runtime/format.h" "ui/bitmapSet.h")
  string(FIND "${scan}" "include ${allowed}" at)
  expect("the include scan refuses the allowed ${allowed}:\n${scan}" at EQUAL -1)
endforeach()

if(failures)
  message(FATAL_ERROR "the layer checks let a breach through:${failures}")
endif()
message(STATUS "the layer checks refuse a higher layer's include, a forbidden link and the scanned breaches")
