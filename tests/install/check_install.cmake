# SPDX-FileCopyrightText: 2026 The Milora developers
# SPDX-License-Identifier: MIT
# Installs the build into a fresh DESTDIR and checks that every file of the desktop integration is
# there; validates the desktop entry and the AppStream metadata where the validators exist.
set(dest ${BUILD}/install-check)
file(REMOVE_RECURSE ${dest})
set(ENV{DESTDIR} ${dest})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix /usr RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()
foreach(f
        usr/bin/milora usr/bin/milora-calc
        usr/share/applications/org.milora.Milora.desktop
        usr/share/icons/hicolor/scalable/apps/org.milora.Milora.svg
        usr/share/metainfo/org.milora.Milora.metainfo.xml
        usr/share/mime/packages/org.milora.Milora.xml
        usr/share/man/man1/milora-calc.1 usr/share/man/man1/milora.1
        usr/share/milora/README usr/share/doc/milora/copyright)
    if(NOT EXISTS ${dest}/${f})
        message(SEND_ERROR "missing from the install tree: ${f}")
    endif()
endforeach()
if(HANDBOOK AND NOT EXISTS ${dest}/usr/share/milora/edt.chm)
    message(SEND_ERROR "missing from the install tree: usr/share/milora/edt.chm")
endif()
find_program(DFV desktop-file-validate)
if(DFV)
    execute_process(COMMAND ${DFV} ${dest}/usr/share/applications/org.milora.Milora.desktop
        RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(SEND_ERROR "desktop-file-validate failed")
    endif()
endif()
find_program(ASCLI appstreamcli)
if(ASCLI)
    execute_process(COMMAND ${ASCLI} validate --no-net
        ${dest}/usr/share/metainfo/org.milora.Milora.metainfo.xml RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(SEND_ERROR "appstreamcli validate failed")
    endif()
endif()
execute_process(COMMAND ${dest}/usr/bin/milora-calc --version OUTPUT_VARIABLE v)
if(NOT v STREQUAL "milora-calc 1.02 (9/16/06)\n")
    message(SEND_ERROR "milora-calc --version printed: ${v}")
endif()
# Answered before any window system is needed, so this runs without a display.
execute_process(COMMAND ${dest}/usr/bin/milora --version OUTPUT_VARIABLE v)
if(NOT v STREQUAL "Milora 1.02 (9/16/06)\n")
    message(SEND_ERROR "milora --version printed: ${v}")
endif()
