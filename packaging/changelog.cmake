# Reads the Debian changelog, the one place each release's date and notes are
# written, for the AppStream data and the manual page.
#
#   bjt_read_changelog(FILE DETAILS_URL)
# sets, in the caller's scope:
#   BJT_RELEASE_VERSION  the newest entry's version
#   BJT_RELEASE_DATE     its date, YYYY-MM-DD
#   BJT_RELEASES_XML     every entry, newest first, as AppStream <release>
#                        elements: the entry's items as the release notes and
#                        DETAILS_URL, with @VERSION@ replaced by the entry's
#                        version, as the link to its details
#
# An entry is laid out as dch writes it:
#   bjt-calculator (0.0.0.2) unstable; urgency=medium
#   <blank>
#     * First item, which may go on
#       on further lines.
#     * Second item.
#   <blank>
#    -- Name <address>  Mon, 07 Dec 2026 12:00:00 +0000

function(_bjt_xml_escape text out)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# One <release> element from an entry's version, date and list of items.
function(_bjt_release_xml version date items details_url out)
  list(LENGTH items count)
  if(count EQUAL 0)
    message(FATAL_ERROR "changelog: the entry for ${version} has no items")
  endif()
  set(notes "")
  foreach(item IN LISTS items)
    _bjt_xml_escape("${item}" item)
    if(count EQUAL 1)
      string(APPEND notes "        <p>${item}</p>\n")
    else()
      string(APPEND notes "          <li>${item}</li>\n")
    endif()
  endforeach()
  if(count GREATER 1)
    set(notes "        <ul>\n${notes}        </ul>\n")
  endif()
  string(REPLACE "@VERSION@" "${version}" url "${details_url}")
  set(${out}
      "    <release version=\"${version}\" date=\"${date}\">\n      <description>\n${notes}      </description>\n      <url type=\"details\">${url}</url>\n    </release>\n"
      PARENT_SCOPE)
endfunction()

function(bjt_read_changelog file details_url)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${file}")
  file(READ "${file}" text)
  # Semicolons are text here, not list separators: they stand aside as the
  # unit separator until the elements are made.
  string(ASCII 31 sep)
  string(REPLACE ";" "${sep}" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")

  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  set(releases "")
  set(newest_version "")
  set(newest_date "")
  set(version "")
  set(items "")
  set(item "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^[a-z0-9][a-z0-9.+-]* \\(([^)]+)\\) ")
      if(NOT version STREQUAL "")
        message(FATAL_ERROR "${file}: the entry for ${version} has no ' -- ' line")
      endif()
      set(version "${CMAKE_MATCH_1}")
      set(items "")
      set(item "")
    elseif(line MATCHES "^  \\* (.*)$")
      if(NOT item STREQUAL "")
        list(APPEND items "${item}")
      endif()
      set(item "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^    +(.*)$" AND NOT item STREQUAL "")
      string(APPEND item " ${CMAKE_MATCH_1}")
    elseif(line MATCHES "^ -- [^>]*>  [A-Z][a-z][a-z], ([0-9]+) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
      set(day "${CMAKE_MATCH_1}")
      set(year "${CMAKE_MATCH_3}")
      list(FIND months "${CMAKE_MATCH_2}" month)
      if(version STREQUAL "" OR month EQUAL -1)
        message(FATAL_ERROR "${file}: '${line}' closes no entry or names no month")
      endif()
      math(EXPR month "${month} + 1")
      if(month LESS 10)
        set(month "0${month}")
      endif()
      if(day MATCHES "^[0-9]$")
        set(day "0${day}")
      endif()
      if(NOT item STREQUAL "")
        list(APPEND items "${item}")
      endif()
      _bjt_release_xml("${version}" "${year}-${month}-${day}" "${items}" "${details_url}" xml)
      string(REPLACE "${sep}" ";" xml "${xml}")
      string(APPEND releases "${xml}")
      if(newest_version STREQUAL "")
        set(newest_version "${version}")
        set(newest_date "${year}-${month}-${day}")
      endif()
      set(version "")
    elseif(NOT line MATCHES "^[ \t]*$")
      message(FATAL_ERROR "${file}: cannot read the line '${line}'")
    endif()
  endforeach()
  if(newest_version STREQUAL "" OR NOT version STREQUAL "")
    message(FATAL_ERROR "${file} holds no whole entry")
  endif()
  set(BJT_RELEASE_VERSION "${newest_version}" PARENT_SCOPE)
  set(BJT_RELEASE_DATE "${newest_date}" PARENT_SCOPE)
  set(BJT_RELEASES_XML "${releases}" PARENT_SCOPE)
endfunction()
