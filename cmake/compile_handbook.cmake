# SPDX-FileCopyrightText: 2026 The Milora developers
# SPDX-License-Identifier: MIT
# Compiles the handbook: copies SOURCE (the pages, style sheet, contents, index and project) into
# WORK and runs CHMCMD there, which writes WORK/edt.chm. A page named in the project but missing
# from SOURCE stops the build by name; chmcmd would otherwise leave an empty edt.chm behind.
foreach(v SOURCE WORK CHMCMD)
    if(NOT DEFINED ${v})
        message(FATAL_ERROR "compile_handbook.cmake needs -D${v}=...")
    endif()
endforeach()

file(READ ${SOURCE}/edt.hhp project)
string(REGEX REPLACE "^.*\\[FILES\\]" "" files "${project}")
string(REGEX REPLACE "\\[[A-Z]+\\].*$" "" files "${files}")
string(REPLACE "\r" "" files "${files}")
string(REPLACE "\n" ";" files "${files}")
set(missing)
foreach(f ${files})
    string(STRIP "${f}" f)
    if(f AND NOT EXISTS ${SOURCE}/${f})
        list(APPEND missing ${f})
    endif()
endforeach()
if(missing)
    list(JOIN missing "\n  " missing)
    message(FATAL_ERROR "The handbook project edt.hhp names files that are not in ${SOURCE}:\n  ${missing}")
endif()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(GLOB sources LIST_DIRECTORIES false ${SOURCE}/*)
file(COPY ${sources} DESTINATION ${WORK})
execute_process(COMMAND ${CHMCMD} --no-html-scan --verbosity 1 edt.hhp
    WORKING_DIRECTORY ${WORK} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
set(size 0)
if(EXISTS ${WORK}/edt.chm)
    file(SIZE ${WORK}/edt.chm size)
endif()
if(NOT rc EQUAL 0 OR size EQUAL 0)
    message(FATAL_ERROR "chmcmd could not compile the handbook:\n${out}")
endif()
if(out MATCHES "Warning")
    message(FATAL_ERROR "chmcmd warned while compiling the handbook:\n${out}")
endif()
