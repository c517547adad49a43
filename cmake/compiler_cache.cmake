# ccache in front of the compiler where it is installed (the developer presets ask for it).
# The base directory makes paths inside the tree relative, so a clone in another folder hits
# the same cache; the build folder is left out of the hash for the same reason.
option(KORVANE_COMPILER_CACHE "Compile through ccache where it is installed" OFF)
if(KORVANE_COMPILER_CACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
    find_program(KORVANE_CCACHE ccache)
    if(KORVANE_CCACHE)
        set(CMAKE_CXX_COMPILER_LAUNCHER
            ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${CMAKE_SOURCE_DIR} CCACHE_NOHASHDIR=true
            ${KORVANE_CCACHE})
    endif()
endif()
