# Warnings are errors in our own code only; Qt and ICU headers come in as system headers.
function(qamarly_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wconversion -Wshadow -Wnon-virtual-dtor
    -Wno-missing-field-initializers -Werror)
endfunction()

# qamarly_library(NAME SOURCES ... LIBS ...): a static library of one folder.
function(qamarly_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  qamarly_warnings(${name})
endfunction()

# qamarly_test(NAME SOURCES ... LIBS ... [GUI] [ENV ...]): one GoogleTest executable run by CTest.
# GUI tests run on the offscreen platform so they need no display.
function(qamarly_test name)
  cmake_parse_arguments(ARG "GUI" "TIMEOUT" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
  qamarly_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set(env "LC_ALL=en_US.UTF-8" "TZ=UTC" "QT_QPA_PLATFORM=offscreen" "QT_LOGGING_RULES=*.debug=false")
  list(APPEND env ${ARG_ENV})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT ${ARG_TIMEOUT})
endfunction()
