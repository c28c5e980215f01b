# The layers app/ -> ui/ -> calc/ -> runtime/, enforced rather than only drawn.
#
# Each library's public include directory holds nothing but a link, named
# after its layer, to the layer's folder: its headers are reached as
# "calc/panel.h", and a source file finds only the headers of the libraries
# its own library links. An include against the layers then fails to compile.

function(bjt_expose_headers target layer)
  set(dir "${PROJECT_BINARY_DIR}/layers/${layer}")
  file(MAKE_DIRECTORY "${dir}")
  file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${layer}" "${dir}/${layer}" SYMBOLIC)
  target_include_directories(${target} PUBLIC "${dir}")
endfunction()

# Stops the configuration when a library links, directly or through another
# library, something its layer may not use (such as Qt Widgets below ui/).
function(bjt_forbid_links target)
  set(queue ${target})
  set(seen "")
  while(queue)
    list(POP_FRONT queue current)
    if(current IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${current})
    if(current IN_LIST ARGN)
      message(FATAL_ERROR "${target} links ${current}, which its layer may not use")
    endif()
    if(NOT TARGET ${current})
      continue()
    endif()
    get_target_property(imported ${current} IMPORTED)
    if(imported)
      get_target_property(links ${current} INTERFACE_LINK_LIBRARIES)
    else()
      get_target_property(links ${current} LINK_LIBRARIES)
    endif()
    foreach(link IN LISTS links)
      if(link AND NOT link MATCHES "\\$<")
        list(APPEND queue ${link})
      endif()
    endforeach()
  endwhile()
endfunction()
