# Checks that every source folder includes only the folders below it in the layering:
# only ui/ sees Qt, and the race model, the program's life and the sound logic stay free of
# the toolkit; and that only the named platform files include X11, Wayland, Qt's private or
# POSIX headers. Runs at configure time (included) and as a test (cmake -P this file).

if(CMAKE_SCRIPT_MODE_FILE)
    cmake_minimum_required(VERSION 3.25)
endif()

# folder: the folders and toolkits its files may include besides its own and the standard
# library. The longest matching folder decides; folders not listed are not checked. "ui/*" is
# ui/ and every room in it.
set(KORVANE_UI_BELOW "common race app session logbook art art/preview sound input devices Qt")
# ui/'s rooms, the window system's wiring at the top; no room includes one above it.
set(KORVANE_UI_ROOMS
    "ui/shell:${KORVANE_UI_BELOW} ui/*"
    "ui/startup:${KORVANE_UI_BELOW} ui/runs"
    "ui/time_slip:${KORVANE_UI_BELOW} ui/history ui/race_window ui/placement ui/runs ui/timing ui/kit ui/platform"
    "ui/history:${KORVANE_UI_BELOW} ui/runs"
    "ui/practice:${KORVANE_UI_BELOW} ui/controllers ui/race_window ui/timing ui/kit ui/platform"
    "ui/controllers:${KORVANE_UI_BELOW} ui/race_window"
    "ui/splash:${KORVANE_UI_BELOW} ui/placement ui/kit"
    "ui/race_window:${KORVANE_UI_BELOW} ui/placement ui/timing ui/kit ui/platform"
    "ui/placement:${KORVANE_UI_BELOW}"
    "ui/runs:${KORVANE_UI_BELOW}"
    "ui/kit:${KORVANE_UI_BELOW} ui/platform"
    "ui/platform:${KORVANE_UI_BELOW} ui/timing ui/startup"
    "ui/timing:${KORVANE_UI_BELOW}"
)
set(KORVANE_LAYERS
    "common:"
    "race:common"
    "app:common race"
    "session:common race"
    "logbook:common race session SQLite"
    "sound:common SDL"
    "input:common SDL"
    "devices:common sound input"
    "art:"
    "art/preview:art Qt"
    "ui:${KORVANE_UI_BELOW}"
    ${KORVANE_UI_ROOMS}
    "tools:common race app session logbook ui/* art art/preview Qt"
    "bench:common race app session logbook sound input devices ui/* art tests/support Qt SDL"
    "tests/support:common race"
    "tests/common:common tests/support"
    "tests/race:common race tests/support"
    "tests/app:common race app tests/race tests/support"
    "tests/session:common race session tests/race tests/support"
    "tests/logbook:common race session logbook tests/race tests/support SQLite"
    "tests/ui:common race app session logbook art art/preview sound input ui/* tests/race tests/support Qt SDL"
    "tests/sound:common sound SDL tests/support"
    "tests/input:common input SDL"
    "fuzz:common sound"
    "fuzz/race_events:common race tests/support"
)

# class: the files (or folders, ending in /) that may include its headers, whatever their layer.
set(KORVANE_PLATFORM_FILES
    "X11:ui/platform/xcb_destroy_notify.cpp ui/platform/xcb_key_state.cpp bench/"
    "Wayland:ui/platform/wayland_frame_presentation.cpp ui/platform/wayland_compositor_flush.cpp"
    "QtPrivate:ui/platform/wayland_frame_presentation.cpp ui/platform/wayland_compositor_flush.cpp"
    "Pulse:sound/pulse_server_playback.cpp sound/pulse_stream_format.h sound/pulse_stream_format.cpp"
    "POSIX:ui/platform/standard_streams_posix.cpp ui/platform/resident_pages_posix.cpp input/device_wait_linux.cpp logbook/writer_urgency_linux.cpp input/controller_reader.cpp sound/file_bytes.cpp bench/ tests/"
)

# The platform class of a header, or nothing.
function(korvane_platform_class header out)
    set(class "")
    if(header MATCHES "^(xcb|X11)/")
        set(class X11)
    elseif(header MATCHES "^wayland-")
        set(class Wayland)
    elseif(header MATCHES "^pulse/")
        set(class Pulse)
    elseif(header MATCHES "^(qpa|private)/|^Qt[A-Za-z]*/private/|_p\\.h$")
        set(class QtPrivate)
    elseif(header MATCHES "^sys/|^(unistd|fcntl|poll|pthread|sched|signal|dlfcn|termios|spawn)\\.h$")
        set(class POSIX)
    endif()
    set(${out} "${class}" PARENT_SCOPE)
endfunction()

# Whether a file is named for a platform class in KORVANE_PLATFORM_FILES.
function(korvane_platform_allowed relative class out)
    set(${out} FALSE PARENT_SCOPE)
    foreach(entry IN LISTS KORVANE_PLATFORM_FILES)
        if(NOT entry MATCHES "^${class}:(.*)$")
            continue()
        endif()
        separate_arguments(named UNIX_COMMAND "${CMAKE_MATCH_1}")
        foreach(name IN LISTS named)
            string(FIND "${relative}" "${name}" at)
            if(relative STREQUAL name OR (name MATCHES "/$" AND at EQUAL 0))
                set(${out} TRUE PARENT_SCOPE)
            endif()
        endforeach()
    endforeach()
endfunction()

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
    elseif(header MATCHES "^sqlite3")
        set(${out} SQLite PARENT_SCOPE)
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

# Whether the folder an include reaches is in a layer's allowed list.
function(korvane_layer_allowed reached allowed out)
    set(${out} FALSE PARENT_SCOPE)
    foreach(other IN LISTS allowed)
        string(REGEX REPLACE "/\\*$" "" room "${other}")
        if(reached STREQUAL other OR (other MATCHES "/\\*$" AND reached MATCHES "^${room}(/|$)"))
            set(${out} TRUE PARENT_SCOPE)
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
        file(STRINGS ${source_dir}/${relative} lines REGEX "^[ \t]*#[ \t]*include")
        foreach(line IN LISTS lines)
            if(NOT line MATCHES "#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"]")
                continue()
            endif()
            set(header ${CMAKE_MATCH_1})
            korvane_platform_class(${header} class)
            if(class)
                korvane_platform_allowed(${relative} ${class} named)
                if(NOT named)
                    string(APPEND problems "  ${relative} includes ${header} (${class}): only the "
                           "files named for ${class} in KORVANE_PLATFORM_FILES may include those\n")
                endif()
                continue()
            endif()
            if(NOT folder)
                continue()
            endif()
            korvane_include_target(${source_dir} ${source_dir}/${relative} ${header} reached)
            korvane_layer_allowed("${reached}" "${allowed}" may_include)
            if(reached AND NOT reached STREQUAL folder AND NOT may_include)
                set(may "${folder}/")
                foreach(other IN LISTS allowed)
                    if(other MATCHES "/\\*$")
                        string(APPEND may ", ${other}")
                    elseif(other MATCHES "^[a-z]")
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
        message(FATAL_ERROR "Layering broken (only ui/ sees Qt, only platform files see platform "
                            "headers; see cmake/check_layering.cmake):\n"
                            "${problems}")
    endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
    # -DKORVANE_CHECK_ROOT=DIR checks another tree (the check's own test); by default this one.
    get_filename_component(korvane_root ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
    if(KORVANE_CHECK_ROOT)
        set(korvane_root ${KORVANE_CHECK_ROOT})
    endif()
    korvane_check_layering(${korvane_root})
    message(STATUS "Layering holds")
else()
    korvane_check_layering(${CMAKE_SOURCE_DIR})
endif()
