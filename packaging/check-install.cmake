# Installs a build tree into a throwaway prefix and checks what lands there.
#
# Run with cmake -P and these -D variables:
#   BUILD_DIR      build tree to install
#   PREFIX         throwaway install prefix (wiped first)
#   CONFIG         build configuration (may be empty for single-config builds)
#   APP_ID         reverse-DNS application id
#   EXECUTABLE     name of the installed program
#   VERSION        project version the metadata must announce
#   BINDIR         bin directory relative to the prefix
#   DATADIR        data directory relative to the prefix
#   DESKTOP_FILE   the desktop entry the build made from its template
#   METAINFO_FILE  the AppStream metainfo the build made from its template
#   ICON_PNG       source 32x32 PNG icon
#   ICON_SVG       source scalable icon
#   MANDIR         manual page directory relative to the prefix
#   DOCDIR         package documentation directory relative to the prefix
#   MANPAGE        source manual page (installed gzipped)
#   CHANGELOG      source Debian changelog (installed gzipped)
#   CONTACT        the package's maintainer, "Name <address>"
#   COPYRIGHT      the generated Debian copyright file
#   GZIP           the gzip program

cmake_minimum_required(VERSION 3.25)

foreach(_var BUILD_DIR PREFIX APP_ID EXECUTABLE VERSION BINDIR DATADIR
             DESKTOP_FILE METAINFO_FILE ICON_PNG ICON_SVG MANDIR DOCDIR MANPAGE
             CHANGELOG CONTACT COPYRIGHT GZIP)
  if("${${_var}}" STREQUAL "")
    message(FATAL_ERROR "check-install: -D${_var}=... is required")
  endif()
endforeach()

set(_failures "")
macro(_fail text)
  list(APPEND _failures "${text}")
  message(STATUS "FAIL: ${text}")
endmacro()

# --- Install ----------------------------------------------------------------

file(REMOVE_RECURSE "${PREFIX}")
set(_install_cmd "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}")
if(NOT "${CONFIG}" STREQUAL "")
  list(APPEND _install_cmd --config "${CONFIG}")
endif()
execute_process(COMMAND ${_install_cmd}
                RESULT_VARIABLE _rc
                OUTPUT_VARIABLE _out
                ERROR_VARIABLE _err)
if(NOT _rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${_rc}):\n${_out}\n${_err}")
endif()

# --- Expected files ---------------------------------------------------------

set(_bin "${BINDIR}/${EXECUTABLE}")
set(_desktop "${DATADIR}/applications/${APP_ID}.desktop")
set(_metainfo "${DATADIR}/metainfo/${APP_ID}.metainfo.xml")
set(_png "${DATADIR}/icons/hicolor/32x32/apps/${APP_ID}.png")
set(_svg "${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg")
set(_man "${MANDIR}/man1/${EXECUTABLE}.1.gz")
set(_changelog "${DOCDIR}/changelog.gz")
set(_copyright "${DOCDIR}/copyright")
set(_expected "${_bin}" "${_desktop}" "${_metainfo}" "${_png}" "${_svg}" "${_man}" "${_changelog}"
              "${_copyright}")

foreach(_rel IN LISTS _expected)
  if(NOT EXISTS "${PREFIX}/${_rel}" OR IS_DIRECTORY "${PREFIX}/${_rel}")
    _fail("not installed: ${_rel}")
  endif()
endforeach()

# Nothing else belongs in the package (static libraries, headers, ...).
file(GLOB_RECURSE _installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
foreach(_rel IN LISTS _installed)
  if(NOT _rel IN_LIST _expected)
    _fail("unexpected installed file: ${_rel}")
  endif()
endforeach()

# --- The program ------------------------------------------------------------

if(EXISTS "${PREFIX}/${_bin}")
  # find_program only accepts files with the execute permission.
  find_program(_found_exe NAMES "${EXECUTABLE}" PATHS "${PREFIX}/${BINDIR}"
               NO_DEFAULT_PATH NO_CACHE)
  if(NOT _found_exe)
    _fail("${_bin} is not executable")
  endif()
  file(READ "${PREFIX}/${_bin}" _magic LIMIT 4 HEX)
  if(CMAKE_HOST_SYSTEM_NAME STREQUAL "Linux" AND NOT _magic STREQUAL "7f454c46")
    _fail("${_bin} is not an ELF binary")
  endif()
endif()

# --- Installed copies match their sources -----------------------------------

foreach(_pair "${_desktop}|${DESKTOP_FILE}" "${_metainfo}|${METAINFO_FILE}"
              "${_png}|${ICON_PNG}" "${_svg}|${ICON_SVG}")
  string(REPLACE "|" ";" _pair "${_pair}")
  list(GET _pair 0 _rel)
  list(GET _pair 1 _src)
  if(EXISTS "${PREFIX}/${_rel}")
    file(SHA256 "${PREFIX}/${_rel}" _h_installed)
    file(SHA256 "${_src}" _h_source)
    if(NOT _h_installed STREQUAL _h_source)
      _fail("${_rel} differs from ${_src}")
    endif()
  endif()
endforeach()

# The compressed documents hold their sources, and were compressed without a
# name or time stamp (gzip -n), so that every build makes the same bytes.
foreach(_pair "${_man}|${MANPAGE}" "${_changelog}|${CHANGELOG}")
  string(REPLACE "|" ";" _pair "${_pair}")
  list(GET _pair 0 _rel)
  list(GET _pair 1 _src)
  if(EXISTS "${PREFIX}/${_rel}")
    execute_process(COMMAND "${GZIP}" -dc "${PREFIX}/${_rel}"
                    RESULT_VARIABLE _rc OUTPUT_VARIABLE _unpacked)
    file(READ "${_src}" _source_text)
    if(NOT _rc EQUAL 0 OR NOT _unpacked STREQUAL _source_text)
      _fail("${_rel} does not unpack to ${_src}")
    endif()
    # Header: magic, method, flags (FNAME = 8), then a 4-byte time stamp.
    file(READ "${PREFIX}/${_rel}" _head LIMIT 8 HEX)
    string(SUBSTRING "${_head}" 6 2 _flags)
    string(SUBSTRING "${_head}" 8 8 _mtime)
    if(NOT _flags STREQUAL "00" OR NOT _mtime STREQUAL "00000000")
      _fail("${_rel} carries a file name or time stamp (flags ${_flags}, time ${_mtime})")
    endif()
  endif()
endforeach()

# --- Debian changelog and copyright -----------------------------------------

# The newest changelog entry is this version: the package announces it.
file(STRINGS "${CHANGELOG}" _first LIMIT_COUNT 1)
if(NOT _first MATCHES "^[a-z0-9.+-]+ \\(([^)]*)\\) ")
  _fail("${CHANGELOG}: first line '${_first}' is no changelog entry")
elseif(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  _fail("newest changelog entry is '${CMAKE_MATCH_1}', project version is ${VERSION}")
endif()
# ... and is signed by the package's maintainer, whose address the window shows.
file(STRINGS "${CHANGELOG}" _signatures REGEX "^ -- ")
list(GET _signatures 0 _newest)
if(NOT _newest MATCHES "^ -- ([^>]*>)  ")
  _fail("${CHANGELOG}: '${_newest}' is no changelog signature")
elseif(NOT CMAKE_MATCH_1 STREQUAL CONTACT)
  _fail("newest changelog entry is signed '${CMAKE_MATCH_1}', the package's maintainer is ${CONTACT}")
endif()

if(EXISTS "${PREFIX}/${_copyright}")
  file(READ "${PREFIX}/${_copyright}" _text)
  foreach(_field "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
                 "Files: \\*" "Copyright: [0-9]+ [^\n]+" "License: MIT")
    if(NOT _text MATCHES "(^|\n)${_field}\n")
      _fail("${_copyright} lacks the line '${_field}'")
    endif()
  endforeach()
  if(NOT _text MATCHES "\n \\.\n THE SOFTWARE IS PROVIDED \"AS IS\"")
    _fail("${_copyright} does not carry the licence text in paragraphs")
  endif()
endif()

# --- Icons ------------------------------------------------------------------

if(EXISTS "${PREFIX}/${_png}")
  # PNG signature, then the IHDR chunk: width and height as 32-bit big endian.
  file(READ "${PREFIX}/${_png}" _head LIMIT 24 HEX)
  string(SUBSTRING "${_head}" 0 16 _sig)
  string(SUBSTRING "${_head}" 24 8 _chunk)
  string(SUBSTRING "${_head}" 32 16 _size)
  if(NOT _sig STREQUAL "89504e470d0a1a0a" OR NOT _chunk STREQUAL "49484452")
    _fail("${_png} is not a PNG image")
  elseif(NOT _size STREQUAL "0000002000000020")
    _fail("${_png} is not 32x32 (IHDR size ${_size})")
  endif()
endif()

if(EXISTS "${PREFIX}/${_svg}")
  file(READ "${PREFIX}/${_svg}" _svg_text)
  if(NOT _svg_text MATCHES "<svg[ \t\r\n>]")
    _fail("${_svg} has no <svg> element")
  endif()
endif()

# --- Desktop entry ----------------------------------------------------------

function(_desktop_key text key out)
  # Value of an unlocalised key in the [Desktop Entry] group.
  set(_value "")
  set(_in_group FALSE)
  string(REPLACE ";" "\\;" text "${text}")
  string(REPLACE "\n" ";" _lines "${text}")
  foreach(_line IN LISTS _lines)
    if(_line MATCHES "^\\[(.*)\\]$")
      if(CMAKE_MATCH_1 STREQUAL "Desktop Entry")
        set(_in_group TRUE)
      else()
        set(_in_group FALSE)
      endif()
    elseif(_in_group AND _line MATCHES "^${key}[ \t]*=[ \t]*(.*)$")
      set(_value "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  set(${out} "${_value}" PARENT_SCOPE)
endfunction()

if(EXISTS "${PREFIX}/${_desktop}")
  file(READ "${PREFIX}/${_desktop}" _text)
  _desktop_key("${_text}" "Exec" _exec)
  string(REGEX REPLACE "[ \t].*" "" _exec_prog "${_exec}")
  if(NOT _exec_prog STREQUAL EXECUTABLE)
    _fail("desktop entry Exec='${_exec}' does not start ${EXECUTABLE}")
  endif()
  _desktop_key("${_text}" "Icon" _icon)
  if(NOT _icon STREQUAL APP_ID)
    _fail("desktop entry Icon='${_icon}', expected ${APP_ID}")
  endif()
  _desktop_key("${_text}" "Type" _type)
  if(NOT _type STREQUAL "Application")
    _fail("desktop entry Type='${_type}', expected Application")
  endif()
  _desktop_key("${_text}" "Terminal" _terminal)
  if(NOT _terminal STREQUAL "false")
    _fail("desktop entry Terminal='${_terminal}', expected false")
  endif()
endif()

# --- AppStream metainfo -----------------------------------------------------

if(EXISTS "${PREFIX}/${_metainfo}")
  file(READ "${PREFIX}/${_metainfo}" _text)
  string(REGEX MATCH "<id>([^<]*)</id>" _m "${_text}")
  if(NOT CMAKE_MATCH_1 STREQUAL APP_ID)
    _fail("metainfo <id> is '${CMAKE_MATCH_1}', expected ${APP_ID}")
  endif()
  string(REGEX MATCH "<launchable type=\"desktop-id\">([^<]*)</launchable>" _m "${_text}")
  if(NOT CMAKE_MATCH_1 STREQUAL "${APP_ID}.desktop")
    _fail("metainfo launchable is '${CMAKE_MATCH_1}', expected ${APP_ID}.desktop")
  endif()
  string(REGEX MATCH "<binary>([^<]*)</binary>" _m "${_text}")
  if(NOT CMAKE_MATCH_1 STREQUAL EXECUTABLE)
    _fail("metainfo provides binary '${CMAKE_MATCH_1}', expected ${EXECUTABLE}")
  endif()
  # Releases are listed newest first; the newest must be this version.
  string(REGEX MATCH "<release[ \t\r\n][^>]*version=\"([^\"]*)\"" _m "${_text}")
  if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    _fail("newest metainfo release is '${CMAKE_MATCH_1}', project version is ${VERSION}")
  endif()
endif()

# --- Result -----------------------------------------------------------------

list(LENGTH _failures _count)
if(_count GREATER 0)
  list(JOIN _failures "\n  " _list)
  message(FATAL_ERROR "install check: ${_count} problem(s) in ${PREFIX}:\n  ${_list}")
endif()
message(STATUS "install check passed: ${PREFIX}")
