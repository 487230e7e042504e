# velmora_add_test(NAME SOURCES file... LINKS lib...)
# Builds one QtTest program from its sources and registers it with CTest,
# headless (offscreen platform). Tests link the libraries; they never compile
# program sources again.
function(velmora_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  velmora_target_defaults(${name})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LINKS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    TIMEOUT 120)
endfunction()
