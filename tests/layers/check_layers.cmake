# SPDX-FileCopyrightText: 2026 The Milora developers
# SPDX-License-Identifier: MIT
cmake_minimum_required(VERSION 3.24)
# Fails when a file under src/ includes a file of a folder it may not use. LAYERS names a file,
# written by the build from its layer libraries, that sets LAYER_FOLDERS and, for each of them,
# BELOW_<folder>: the folders it may include besides itself.
include(${LAYERS})
# Qt is for ui and app only.
set(QT_FOLDERS ui app)

file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*.h ${SRC}/*.cpp)
set(faults "")
foreach(f ${files})
    string(REGEX MATCH "^[^/]+" folder ${f})
    if(NOT folder IN_LIST LAYER_FOLDERS)
        list(APPEND faults "${f}: folder ${folder} has no place among the layers")
        continue()
    endif()
    file(STRINGS ${SRC}/${f} includes REGEX "^#include [\"<]")
    foreach(line ${includes})
        if(line MATCHES "^#include \"([^/\"]+)/")
            set(used ${CMAKE_MATCH_1})
            if(NOT used STREQUAL folder AND NOT used IN_LIST BELOW_${folder})
                list(APPEND faults "${f}: includes ${used}/ (${line})")
            endif()
        elseif(line MATCHES "^#include <Q" AND NOT folder IN_LIST QT_FOLDERS)
            list(APPEND faults "${f}: uses Qt (${line})")
        endif()
    endforeach()
endforeach()
if(faults)
    list(JOIN faults "\n" text)
    message(FATAL_ERROR "Includes that run against the layers:\n${text}")
endif()
