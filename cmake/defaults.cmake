# What a plain `cmake -B build` gets: optimised code with debug info, and the tests only when
# GoogleTest is there to build them.
get_property(korvane_multi_config GLOBAL PROPERTY GENERATOR_IS_MULTI_CONFIG)
if(NOT korvane_multi_config AND NOT CMAKE_BUILD_TYPE)
    set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Debug, Release, RelWithDebInfo or MinSizeRel"
        FORCE)
endif()

# Asked for (-DBUILD_TESTING=ON, the developer presets), the tests still need GoogleTest.
if(NOT DEFINED CACHE{BUILD_TESTING})
    find_package(GTest QUIET)
    if(NOT GTest_FOUND)
        set(BUILD_TESTING OFF CACHE BOOL "Build the tests")
        message(STATUS "GoogleTest not found, so the tests are off "
                       "(install libgtest-dev and configure with -DBUILD_TESTING=ON to build them)")
    endif()
endif()
