# SPDX-FileCopyrightText: 2026 The Milora developers
# SPDX-License-Identifier: MIT
# Writes a help project of 200 small chapters into DIR, compiled the way the build compiles the
# handbook. Its directory needs several listing pages, so a reader that starts at the page the
# header names instead of the first one misses the names on page 0. Only Chapter 0 holds the
# word "odometer".
set(files "")
foreach(i RANGE 199)
    set(word "tires")
    if(i EQUAL 0)
        set(word "odometer")
    endif()
    file(WRITE ${DIR}/Chapter_${i}.htm
        "<html><head><title>Chapter ${i}</title></head><body><h1>Chapter ${i}</h1><p>A page about ${word} and fuel.</p></body></html>\n")
    string(APPEND files "Chapter_${i}.htm\n")
endforeach()
file(WRITE ${DIR}/many.hhp "[OPTIONS]\nCompatibility=1.1 or later\nCompiled file=many.chm\nDefault topic=Chapter_0.htm\nDisplay compile progress=No\nLanguage=0x409 English (United States)\nTitle=Many Chapters\n\n[FILES]\n${files}")
