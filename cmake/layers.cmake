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

# Gives a target that belongs to no layer (a build tool) the named headers of
# the layers and nothing else, each reached by its path, as "ui/bitmapSet.h".
function(bjt_expose_single_headers target)
  set(dir "${PROJECT_BINARY_DIR}/layers/for-${target}")
  foreach(header IN LISTS ARGN)
    get_filename_component(folder "${dir}/${header}" DIRECTORY)
    file(MAKE_DIRECTORY "${folder}")
    file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${header}" "${dir}/${header}" SYMBOLIC)
  endforeach()
  target_include_directories(${target} PRIVATE "${dir}")
endfunction()

# The names a link item may stand for. A generator expression may name a
# library under a condition ($<$<CONFIG:Debug>:Qt6::Widgets>), as one of two
# choices ($<IF:...,a,b>) or wrapped ($<LINK_ONLY:Qt6::Gui>); the check cannot
# know how each turns out, so it takes every name that appears in it.
function(bjt_link_names item out)
  set(text "${item}")
  # Innermost expressions first: one with a ':' stands for what follows it,
  # one without (such as $<CONFIG>) for no library.
  while(text MATCHES "\\$<")
    set(before "${text}")
    string(REGEX REPLACE "\\$<[^<>:]*:([^<>]*)>" "\\1" text "${text}")
    string(REGEX REPLACE "\\$<[^<>:]*>" "" text "${text}")
    if(text STREQUAL before)
      # A fragment of an expression that held a list: keep its names.
      string(REGEX REPLACE "\\$<[^<>:]*:?" "" text "${text}")
      string(REPLACE ">" "" text "${text}")
    endif()
  endwhile()
  string(REPLACE "," ";" names "${text}")
  set(${out} ${names} PARENT_SCOPE)
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
    # What the target itself links, and what it hands on to those that link
    # it; an imported or interface library has only the second.
    set(links "")
    foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
      get_target_property(value ${current} ${property})
      if(value)
        list(APPEND links ${value})
      endif()
    endforeach()
    foreach(link IN LISTS links)
      bjt_link_names("${link}" names)
      foreach(name IN LISTS names)
        if(name)
          list(APPEND queue ${name})
        endif()
      endforeach()
    endforeach()
  endwhile()
endfunction()
