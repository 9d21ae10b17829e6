# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# clazy's Qt-aware checks run inside a build that parses every file anyway
# (CI's sanitizer build), as a plugin of clang: a parse of their own would
# cost as long again as clang-tidy's. Their findings are errors there, as the
# build's warnings are (-Werror). Levels 0 and 1, every check of both; a
# check left out is named here with the reason ("no-NAME").
set(QAMARLY_CLAZY_CHECKS
  level0
  level1
)

# qamarly_warnings adds QAMARLY_CLAZY_OPTIONS as the calling folder sets it.
set(QAMARLY_CLAZY_OPTIONS)
if(QAMARLY_CLAZY)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "QAMARLY_CLAZY needs clang (-DCMAKE_CXX_COMPILER=clang++)")
  endif()
  find_library(QAMARLY_CLAZY_PLUGIN NAMES ClazyPlugin.so ClazyPlugin REQUIRED)
  list(JOIN QAMARLY_CLAZY_CHECKS "," checks)
  set(QAMARLY_CLAZY_OPTIONS
    "SHELL:-Xclang -load -Xclang ${QAMARLY_CLAZY_PLUGIN}"
    "SHELL:-Xclang -add-plugin -Xclang clazy"
    "SHELL:-Xclang -plugin-arg-clazy -Xclang ${checks}")
endif()
