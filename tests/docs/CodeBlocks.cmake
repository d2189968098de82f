# Reads the ```cpp blocks of a Markdown file. Used at configure time by
# tests/docs/CMakeLists.txt and as a script (cmake -P) by the README test.

if(CMAKE_SCRIPT_MODE_FILE)
    cmake_minimum_required(VERSION 3.20)
endif()

# Sets `out` to the number of ```cpp blocks in `text` and `${out}_<n>` (from
# 1) to each block's lines, the fences left out. The blocks hold semicolons,
# so they are kept in variables of their own rather than in a list.
function(vesk_code_blocks text out)
    set(count 0)
    set(rest "${text}")
    while(TRUE)
        string(FIND "${rest}" "```cpp\n" start)
        if(start LESS 0)
            break()
        endif()
        math(EXPR start "${start} + 7")
        string(SUBSTRING "${rest}" ${start} -1 rest)
        string(FIND "${rest}" "\n```" end)
        if(end LESS 0)
            message(FATAL_ERROR "A ```cpp block is not closed.")
        endif()
        math(EXPR count "${count} + 1")
        math(EXPR length "${end} + 1")
        string(SUBSTRING "${rest}" 0 ${length} block)
        set(${out}_${count} "${block}" PARENT_SCOPE)
        math(EXPR end "${end} + 4")
        string(SUBSTRING "${rest}" ${end} -1 rest)
    endwhile()
    set(${out} ${count} PARENT_SCOPE)
endfunction()

# As a script: fails unless the first ```cpp block after the line `HEADING` in
# `MARKDOWN` is the file `EXPECTED`, byte for byte.
if(CMAKE_SCRIPT_MODE_FILE AND MARKDOWN)
    file(READ "${MARKDOWN}" text)
    string(FIND "${text}" "\n${HEADING}\n" at)
    if(at LESS 0)
        message(FATAL_ERROR "${MARKDOWN} has no line \"${HEADING}\".")
    endif()
    string(SUBSTRING "${text}" ${at} -1 text)
    vesk_code_blocks("${text}" block)
    if(block EQUAL 0)
        message(FATAL_ERROR "${MARKDOWN} has no ```cpp block after \"${HEADING}\".")
    endif()
    file(READ "${EXPECTED}" expected)
    if(NOT block_1 STREQUAL expected)
        file(WRITE "${OUTPUT}" "${block_1}")
        message(FATAL_ERROR "The first ```cpp block after \"${HEADING}\" in ${MARKDOWN} differs "
                            "from ${EXPECTED}; the block is in ${OUTPUT}:\n"
                            "  diff -u ${EXPECTED} ${OUTPUT}")
    endif()
endif()
