# Runs the real brenvik-cli once (through the emulator of a cross build, if any) and checks
# its exit status and what it writes to each stream:
#   cmake -DCOMMAND=<emulator;tool;arguments> [-DSTATUS=N] [-DSTDOUT=<text>]
#         [-DSTDOUT_LINES=N] [-DSTDERR_LINE=<regex>] [-DSTDERR_LINES=N] -P run_tool.cmake
# STDOUT is compared with standard output's words joined by single spaces (as the shell's
# `echo $out` gives them), STDERR_LINE must match one whole line of standard error, and
# the line counts are of newline characters (as `wc -l` counts them).
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${COMMAND} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)

set(failures "")
if(DEFINED STATUS AND NOT status STREQUAL STATUS)
    string(APPEND failures "exit status ${status}, not ${STATUS}\n")
endif()

function(count_lines text result)
    string(REGEX REPLACE "[^\n]" "" newlines "${text}")
    string(LENGTH "${newlines}" count)
    set(${result} ${count} PARENT_SCOPE)
endfunction()

if(DEFINED STDOUT)
    string(REGEX REPLACE "[ \t\n]+" " " words "${out}")
    string(STRIP "${words}" words)
    if(NOT words STREQUAL STDOUT)
        string(APPEND failures "standard output is '${words}', not '${STDOUT}'\n")
    endif()
endif()
if(DEFINED STDOUT_LINES)
    count_lines("${out}" lines)
    if(NOT lines EQUAL STDOUT_LINES)
        string(APPEND failures "standard output has ${lines} lines, not ${STDOUT_LINES}\n")
    endif()
endif()
if(DEFINED STDERR_LINE)
    # A line of its own: at the start or after a newline, and up to a newline or the end.
    if(NOT err MATCHES "(^|\n)${STDERR_LINE}(\n|$)")
        string(APPEND failures "no line of standard error matches '${STDERR_LINE}'\n")
    endif()
endif()
if(DEFINED STDERR_LINES)
    count_lines("${err}" lines)
    if(NOT lines EQUAL STDERR_LINES)
        string(APPEND failures "standard error has ${lines} lines, not ${STDERR_LINES}\n")
    endif()
endif()

if(failures)
    list(JOIN COMMAND " " command)
    message(FATAL_ERROR "${command}:\n${failures}standard output:\n${out}\nstandard error:\n${err}")
endif()
