# Checks that every source folder includes only the folders below it in the layering:
# only ui/ sees Qt, and the race model, the program's life and the sound logic stay free of
# the toolkit. Runs at configure time (included) and as a test (cmake -P this file).

if(CMAKE_SCRIPT_MODE_FILE)
    cmake_minimum_required(VERSION 3.25)
endif()

# folder: the folders and toolkits its files may include besides its own and the standard
# library. The longest matching folder decides; folders not listed are not checked.
set(KORVANE_LAYERS
    "common:"
    "race:common"
    "app:common race"
    "sound:common SDL"
    "input:common SDL"
    "art:"
    "art/preview:art common race ui Qt"
    "ui:common race app art sound input Qt"
    "tests/support:common race"
    "tests/common:common tests/support"
    "tests/race:common race tests/support"
    "tests/app:common race app tests/race tests/support"
    "tests/sound:common sound SDL tests/support"
    "tests/input:common input SDL"
    "fuzz:common sound"
    "fuzz/race_events:common race tests/support"
)

# What an include line reaches: a project folder, Qt, SDL, or nothing (the standard library and
# other system headers). Quoted names are first looked up beside the including file.
function(korvane_include_target source_dir file header out)
    get_filename_component(here ${file} DIRECTORY)
    if(header MATCHES "^(Q[A-Z][A-Za-z]*|Qt[A-Za-z]*)(/|$)")
        set(${out} Qt PARENT_SCOPE)
        return()
    elseif(header MATCHES "^SDL")
        set(${out} SDL PARENT_SCOPE)
        return()
    elseif(EXISTS ${here}/${header})
        get_filename_component(found ${here}/${header} ABSOLUTE)
        file(RELATIVE_PATH path ${source_dir} ${found})
    else()
        set(path ${header})
    endif()
    set(${out} "" PARENT_SCOPE)
    set(best "")
    set(best_length 0)
    foreach(layer IN LISTS KORVANE_LAYERS)
        string(REGEX REPLACE ":.*" "" folder "${layer}")
        if(path MATCHES "^${folder}/")
            string(LENGTH "${folder}" length)
            if(length GREATER best_length)
                set(best ${folder})
                set(best_length ${length})
            endif()
        endif()
    endforeach()
    if(best)
        set(${out} ${best} PARENT_SCOPE)
    elseif(path MATCHES "^(bench|tests)/")
        set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
    endif()
endfunction()

# The layer (folder and allowed list) that a file belongs to; empty when none applies.
function(korvane_layer_of relative folder_out allowed_out)
    set(best_length 0)
    foreach(layer IN LISTS KORVANE_LAYERS)
        string(REGEX REPLACE ":.*" "" folder "${layer}")
        string(REGEX REPLACE "^[^:]*:" "" allowed "${layer}")
        string(LENGTH "${folder}" length)
        if(relative MATCHES "^${folder}/" AND length GREATER best_length)
            set(best_length ${length})
            set(${folder_out} ${folder} PARENT_SCOPE)
            separate_arguments(allowed)
            set(${allowed_out} "${allowed}" PARENT_SCOPE)
        endif()
    endforeach()
endfunction()

function(korvane_check_layering source_dir)
    set(problems "")
    file(GLOB_RECURSE files RELATIVE ${source_dir} ${source_dir}/*.h ${source_dir}/*.cpp)
    list(FILTER files EXCLUDE REGEX "^build")
    foreach(relative IN LISTS files)
        set(folder "")
        korvane_layer_of(${relative} folder allowed)
        if(NOT folder)
            continue()
        endif()
        file(STRINGS ${source_dir}/${relative} lines REGEX "^[ \t]*#[ \t]*include")
        foreach(line IN LISTS lines)
            if(NOT line MATCHES "#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"]")
                continue()
            endif()
            set(header ${CMAKE_MATCH_1})
            korvane_include_target(${source_dir} ${source_dir}/${relative} ${header} reached)
            if(reached AND NOT reached STREQUAL folder AND NOT reached IN_LIST allowed)
                set(may "${folder}/")
                foreach(other IN LISTS allowed)
                    if(other MATCHES "^[a-z]")
                        string(APPEND may ", ${other}/")
                    else()
                        string(APPEND may ", ${other}")
                    endif()
                endforeach()
                string(APPEND problems
                       "  ${relative} includes ${header} (${reached}): ${folder}/ may include "
                       "only ${may} and the standard library\n")
            endif()
        endforeach()
    endforeach()
    if(problems)
        message(FATAL_ERROR "Layering broken (only ui/ sees Qt; see cmake/check_layering.cmake):\n"
                            "${problems}")
    endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
    get_filename_component(korvane_root ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
    korvane_check_layering(${korvane_root})
    message(STATUS "Layering holds")
else()
    korvane_check_layering(${CMAKE_SOURCE_DIR})
endif()
