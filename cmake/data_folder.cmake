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
cmake_path(APPEND KORVANE_BIN_DIR "${KORVANE_DATA_FROM_BIN}" OUTPUT_VARIABLE KORVANE_DATA_DIR)
cmake_path(NORMAL_PATH KORVANE_DATA_DIR)
cmake_path(IS_PREFIX CMAKE_BINARY_DIR "${KORVANE_DATA_DIR}" NORMALIZE korvane_data_inside)
if(NOT korvane_data_inside)
    message(FATAL_ERROR "The data folder ${KORVANE_INSTALL_DATADIR} lies too far from the bin "
                        "folder ${CMAKE_INSTALL_BINDIR} to mirror in the build tree")
endif()
file(MAKE_DIRECTORY ${KORVANE_DATA_DIR})

# The devices module the same way: the path from the bin folder to the game's library folder,
# mirrored in the build tree.
set(KORVANE_INSTALL_MODULEDIR "${CMAKE_INSTALL_LIBDIR}/korvane")
file(RELATIVE_PATH KORVANE_MODULES_FROM_BIN "${CMAKE_INSTALL_FULL_BINDIR}"
     "${CMAKE_INSTALL_FULL_LIBDIR}/korvane")
cmake_path(APPEND KORVANE_BIN_DIR "${KORVANE_MODULES_FROM_BIN}" OUTPUT_VARIABLE KORVANE_MODULE_DIR)
cmake_path(NORMAL_PATH KORVANE_MODULE_DIR)
cmake_path(IS_PREFIX CMAKE_BINARY_DIR "${KORVANE_MODULE_DIR}" NORMALIZE korvane_modules_inside)
if(NOT korvane_modules_inside)
    message(FATAL_ERROR "The library folder ${CMAKE_INSTALL_LIBDIR} lies too far from the bin "
                        "folder ${CMAKE_INSTALL_BINDIR} to mirror in the build tree")
endif()
