# The game finds its data folder from its own location by the path from the installed bin
# folder to the installed data folder, so any prefix, DESTDIR or symlink works. The build
# tree keeps the same shape: the game in bin/, its data at the same path from there.
if(IS_ABSOLUTE "${KORVANE_INSTALL_DATADIR}")
    set(korvane_full_datadir "${KORVANE_INSTALL_DATADIR}")
else()
    set(korvane_full_datadir "${CMAKE_INSTALL_PREFIX}/${KORVANE_INSTALL_DATADIR}")
endif()
file(RELATIVE_PATH KORVANE_DATA_FROM_BIN "${CMAKE_INSTALL_FULL_BINDIR}" "${korvane_full_datadir}")

set(KORVANE_BIN_DIR ${CMAKE_BINARY_DIR}/bin)

# OUT: the folder at FROM_BIN from the build tree's bin folder, which must stay inside the tree.
function(korvane_mirror_from_bin from_bin out what)
    cmake_path(APPEND KORVANE_BIN_DIR "${from_bin}" OUTPUT_VARIABLE folder)
    cmake_path(NORMAL_PATH folder)
    cmake_path(IS_PREFIX CMAKE_BINARY_DIR "${folder}" NORMALIZE inside)
    if(NOT inside)
        message(FATAL_ERROR "The ${what} lies too far from the bin folder ${CMAKE_INSTALL_BINDIR} "
                            "to mirror in the build tree")
    endif()
    set(${out} "${folder}" PARENT_SCOPE)
endfunction()

korvane_mirror_from_bin("${KORVANE_DATA_FROM_BIN}" KORVANE_DATA_DIR
                        "data folder ${KORVANE_INSTALL_DATADIR}")
file(MAKE_DIRECTORY ${KORVANE_DATA_DIR})

# The devices module the same way: the path from the bin folder to the game's library folder.
set(KORVANE_INSTALL_MODULEDIR "${CMAKE_INSTALL_LIBDIR}/korvane")
file(RELATIVE_PATH KORVANE_MODULES_FROM_BIN "${CMAKE_INSTALL_FULL_BINDIR}"
     "${CMAKE_INSTALL_FULL_LIBDIR}/korvane")
korvane_mirror_from_bin("${KORVANE_MODULES_FROM_BIN}" KORVANE_MODULE_DIR
                        "library folder ${CMAKE_INSTALL_LIBDIR}")
