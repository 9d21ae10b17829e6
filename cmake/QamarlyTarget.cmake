# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# Warnings are errors in our own code only; Qt and ICU headers come in as system headers.
function(qamarly_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wconversion -Wshadow -Wnon-virtual-dtor
    -Wno-missing-field-initializers -Werror)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    # clang's -Wconversion also warns of sign changes, which GCC's leaves out;
    # the plain build's GCC is the one that sets what the code keeps to.
    target_compile_options(${target} PRIVATE -Wno-sign-conversion)
    # In place of clang-tidy's check of the same, which costs far more. moc
    # names a namespaced class's tables with a double underscore.
    target_compile_options(${target} PRIVATE -Wreserved-identifier)
    set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/mocs_compilation.cpp
      PROPERTIES COMPILE_OPTIONS -Wno-reserved-identifier)
  endif()
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # A unity build includes each source into another file, and GCC then
    # takes a source's private types for a header's.
    target_compile_options(${target} PRIVATE $<$<BOOL:$<TARGET_PROPERTY:UNITY_BUILD>>:-Wno-subobject-linkage>)
  endif()
  target_compile_options(${target} PRIVATE ${QAMARLY_CLAZY_OPTIONS})
endfunction()

# qamarly_library(NAME SOURCES ... LIBS ...): a static library of one folder.
function(qamarly_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  qamarly_warnings(${name})
endfunction()

# qamarly_test(NAME SOURCES ... LIBS ... [GUI] [ENV ...] [COST SECONDS]): one GoogleTest executable
# run by CTest. GUI tests run on the offscreen platform so they need no display.
# CTest starts the costliest tests first: on two cores, a long test started
# last would be the whole run's tail. COST is about its seconds under the
# sanitizers.
function(qamarly_test name)
  cmake_parse_arguments(ARG "GUI" "TIMEOUT;COST" "SOURCES;LIBS;ENV;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  if(TARGET qamarly_test_headers)
    target_link_libraries(${name} PRIVATE qamarly_test_headers)
    target_precompile_headers(${name} REUSE_FROM qamarly_test_headers)
    # moc's file is empty for most tests, and GCC takes a second and a half
    # to load the header into one.
    set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${name}_autogen/mocs_compilation.cpp
      PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
  endif()
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
  qamarly_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set(env "LC_ALL=en_US.UTF-8" "TZ=UTC" "QT_QPA_PLATFORM=offscreen" "QT_LOGGING_RULES=*.debug=false")
  list(APPEND env ${ARG_ENV})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  # `ctest -L unit` runs the quick set; window tests draw offscreen.
  if(NOT ARG_LABELS)
    set(ARG_LABELS unit)
    if(ARG_GUI)
      set(ARG_LABELS window)
    endif()
  endif()
  if(NOT ARG_COST)
    set(ARG_COST 0)
  endif()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT ${ARG_TIMEOUT} LABELS "${ARG_LABELS}"
    COST ${ARG_COST})
endfunction()

# Every target `target` links, directly or through the libraries it links.
function(qamarly_link_closure target out)
  set(seen)
  set(queue ${target})
  while(queue)
    list(POP_FRONT queue current)
    if(NOT TARGET ${current})
      continue()
    endif()
    get_target_property(aliased ${current} ALIASED_TARGET)
    if(aliased)
      set(current ${aliased})
    endif()
    set(links)
    get_target_property(type ${current} TYPE)
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(direct ${current} LINK_LIBRARIES)
      if(direct)
        list(APPEND links ${direct})
      endif()
    endif()
    get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
    if(interface)
      list(APPEND links ${interface})
    endif()
    foreach(link IN LISTS links)
      if(TARGET ${link} AND NOT link IN_LIST seen)
        list(APPEND seen ${link})
        list(APPEND queue ${link})
      endif()
    endforeach()
  endwhile()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

# qamarly_forbid_links(TARGET FORBIDDEN ...): configuring fails when `TARGET`
# links any of them, even through another library, so that a program keeps
# only what it uses.
function(qamarly_forbid_links target)
  if(NOT TARGET ${target})
    return()
  endif()
  qamarly_link_closure(${target} closure)
  foreach(forbidden IN LISTS ARGN)
    if(forbidden IN_LIST closure)
      message(FATAL_ERROR "${target} must not link ${forbidden}")
    endif()
  endforeach()
endfunction()

# Parts of a program run on demand (the window, the widget's host) are
# installed in a directory of their own under the library directory.
include(GNUInstallDirs)
set(QAMARLY_PART_DIR ${CMAKE_INSTALL_LIBDIR}/qamarly)

# qamarly_part(NAME SOURCES ... LIBS ...): a part of a program that is a
# program of its own (the window, the widget's host), run in the launcher's
# place when a run needs it. Its libraries are linked into it alone, so no
# static library's state ever exists twice in one process.
function(qamarly_part name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  qamarly_warnings(${name})
  install(TARGETS ${name} RUNTIME DESTINATION ${QAMARLY_PART_DIR})
endfunction()

# qamarly_runs_parts(TARGET): tells TARGET where its parts lie once
# installed, relative to its own directory and as an absolute path.
function(qamarly_runs_parts target)
  file(RELATIVE_PATH relative ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${QAMARLY_PART_DIR})
  target_compile_definitions(${target} PRIVATE QAMARLY_PART_RELATIVE_DIR="${relative}"
    QAMARLY_PART_INSTALL_DIR="${CMAKE_INSTALL_PREFIX}/${QAMARLY_PART_DIR}")
endfunction()
