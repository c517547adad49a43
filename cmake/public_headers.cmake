# korvane_public_headers(<target> <folder>...)
# Gives a library an include folder that holds only its own source folders, reached by their
# repository paths (#include "race/main.h"), so a target sees the headers of exactly the
# libraries it links and nothing else of the tree.
get_filename_component(KORVANE_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)

function(korvane_public_headers target)
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    foreach(folder IN LISTS ARGN)
        set(source ${KORVANE_SOURCE_ROOT}/${folder})
        get_filename_component(parent ${root}/${folder} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        set(refused "")
        if(NOT IS_SYMLINK ${root}/${folder})
            file(CREATE_LINK ${source} ${root}/${folder} SYMBOLIC RESULT refused)
        endif()
        # Where links are refused (Windows without developer mode) a copy of the headers serves,
        # made again whenever one of them changes.
        if(refused OR (EXISTS ${root}/${folder} AND NOT IS_SYMLINK ${root}/${folder}))
            file(COPY ${source}/ DESTINATION ${root}/${folder} FILES_MATCHING PATTERN "*.h")
            file(GLOB_RECURSE headers ${source}/*.h)
            set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${headers})
        endif()
    endforeach()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()
