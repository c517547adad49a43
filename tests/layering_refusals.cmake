# Runs the layering check on small trees of its own: ui/'s rooms include only rooms below them.
# cmake -DKORVANE_CHECK_SCRIPT=cmake/check_layering.cmake -P this file

# file, the include it writes, and whether the check refuses it
set(rows
    "ui/race_window/w.h|ui/shell/s.h|refused"
    "ui/practice/p.h|ui/shell/s.h|refused"
    "ui/controllers/c.h|ui/practice/p.h|refused"
    "ui/kit/k.h|ui/race_window/w.h|refused"
    "ui/history/h.h|ui/time_slip/t.h|refused"
    "ui/shell/s.h|ui/race_window/w.h|allowed"
    "ui/practice/p.h|ui/controllers/c.h|allowed"
    "tests/ui/t.cpp|ui/shell/s.h|allowed"
)

execute_process(COMMAND mktemp -d OUTPUT_VARIABLE scratch OUTPUT_STRIP_TRAILING_WHITESPACE)
set(failures "")
set(row_number 0)
foreach(row IN LISTS rows)
    math(EXPR row_number "${row_number} + 1")
    string(REPLACE "|" ";" fields "${row}")
    list(GET fields 0 file)
    list(GET fields 1 header)
    list(GET fields 2 expected)
    set(tree ${scratch}/${row_number})
    file(WRITE ${tree}/${header} "#pragma once\n")
    file(WRITE ${tree}/${file} "#include \"${header}\"\n")
    execute_process(COMMAND ${CMAKE_COMMAND} -DKORVANE_CHECK_ROOT=${tree} -P ${KORVANE_CHECK_SCRIPT}
                    RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
    if(result EQUAL 0)
        set(seen allowed)
    else()
        set(seen refused)
    endif()
    if(NOT seen STREQUAL expected)
        string(APPEND failures "  ${file} including ${header}: ${seen}, expected ${expected}\n")
    endif()
endforeach()
file(REMOVE_RECURSE ${scratch})
if(failures)
    message(FATAL_ERROR "Layering check answered wrongly:\n${failures}")
endif()
message(STATUS "Layering refusals hold")
