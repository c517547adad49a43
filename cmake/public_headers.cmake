# korvane_public_headers(<target> <folder>...)
# Gives a library an include folder that holds only its own source folders, reached by their
# repository paths (#include "race/main.h"), so a target sees the headers of exactly the
# libraries it links and nothing else of the tree.
function(korvane_public_headers target)
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    foreach(folder IN LISTS ARGN)
        get_filename_component(parent ${root}/${folder} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        if(NOT IS_SYMLINK ${root}/${folder})
            file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
        endif()
    endforeach()
    target_include_directories(${target} PUBLIC ${root})
endfunction()
