# Settings shared by every target of our own: warnings as errors and includes
# from the source root ("image/pixel_image.h"), so each target has one include
# directory.
function(velmora_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    return()
  endif()
  if(type STREQUAL "EXECUTABLE")
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
  else()
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  endif()
endfunction()

# A logic library: Qt Core and Gui at most, never Widgets.
function(velmora_logic_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  velmora_target_defaults(${name})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  foreach(dep IN LISTS ARG_LINKS)
    if(dep MATCHES "Widgets|PrintSupport")
      message(FATAL_ERROR "${name} is a logic library and must not link ${dep}")
    endif()
  endforeach()
endfunction()
