# How our own targets are built and our tests registered, in one place.

# Our code builds with every warning on; the presets and check.sh make them errors. A plain
# `cmake -S . -B build` leaves them warnings, so that another compiler's new or mistaken warning
# does not stop a player's build. Qt's and the other libraries' headers come in as system
# headers and are not checked.
option(VEX_WERROR "Treat the warnings of our own code as errors" OFF)

# vex_target(TARGET [OPTIONS...]): the warnings on a target of ours, and any further compile
# options given.
function(vex_target target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic ${ARGN})
  if(VEX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# vex_test(NAME SOURCES file... LIBS library... [INCLUDES dir...] [LABEL label]
#          [ENVIRONMENT VAR=value...] [RUN arg... [TEST_NAME name] [WORKING_DIRECTORY dir]])
# A test program of ours, built with the warnings. Without RUN each of its Google Tests is a test
# of its own (gtest_discover_tests); with RUN the program is one test, run with those arguments,
# named TEST_NAME (default NAME).
function(vex_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "LABEL;TEST_NAME;WORKING_DIRECTORY"
                        "SOURCES;LIBS;INCLUDES;ENVIRONMENT;RUN")
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBS})
  if(arg_INCLUDES)
    target_include_directories(${name} PRIVATE ${arg_INCLUDES})
  endif()
  vex_target(${name})
  if(arg_RUN)
    if(NOT arg_TEST_NAME)
      set(arg_TEST_NAME ${name})
    endif()
    if(NOT arg_WORKING_DIRECTORY)
      set(arg_WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    endif()
    add_test(NAME ${arg_TEST_NAME} COMMAND ${name} ${arg_RUN}
             WORKING_DIRECTORY ${arg_WORKING_DIRECTORY})
    set_tests_properties(${arg_TEST_NAME} PROPERTIES LABELS "${arg_LABEL}"
                         ENVIRONMENT "${arg_ENVIRONMENT}")
  else()
    gtest_discover_tests(${name}
      PROPERTIES ENVIRONMENT "${arg_ENVIRONMENT}" LABELS "${arg_LABEL}"
      DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
