# Warnings are errors in the project's own code. Third-party headers come in
# as system includes through their imported targets and stay quiet.
function(uieditor_set_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Werror
        -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-align
        -Wimplicit-fallthrough -Wno-unused-parameter)
endfunction()

# Targets take their sources from globs. When a file is added, CMake re-runs
# but moc keeps its timestamp and misses the new file's "x.moc": when the
# source list changed, throw the timestamp away so moc looks again.
function(uieditor_autogen_follows_sources target)
    get_target_property(sources ${target} SOURCES)
    set(stamp "${CMAKE_CURRENT_BINARY_DIR}/${target}_sources.stamp")
    string(REPLACE ";" "\n" listing "${sources}")
    set(previous "")
    if(EXISTS "${stamp}")
        file(READ "${stamp}" previous)
    endif()
    if(NOT previous STREQUAL listing)
        file(WRITE "${stamp}" "${listing}")
        file(REMOVE "${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp")
    endif()
endfunction()

# uieditor_add_part(NAME [LIBRARIES lib...] SOURCES source...)
# One folder of the library as an object library; src/CMakeLists.txt links
# every part into the shared uieditor. Forms are found in resources/forms.
function(uieditor_add_part name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
    set(target uieditor_${name})
    add_library(${target} OBJECT ${ARG_SOURCES})
    target_link_libraries(${target} PUBLIC uieditor_part_settings PRIVATE ${ARG_LIBRARIES})
    set_target_properties(${target} PROPERTIES
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON
        POSITION_INDEPENDENT_CODE ON
        AUTOUIC_SEARCH_PATHS "${PROJECT_SOURCE_DIR}/resources/forms")
    if(UIEDITOR_PRECOMPILE_HEADERS)
        target_precompile_headers(${target} REUSE_FROM uieditor_pch)
    endif()
    uieditor_set_warnings(${target})
    uieditor_autogen_follows_sources(${target})
    list(TRANSFORM ARG_SOURCES PREPEND "${CMAKE_CURRENT_SOURCE_DIR}/")
    set_property(GLOBAL APPEND PROPERTY UIEDITOR_PART_SOURCES ${ARG_SOURCES})
    set_property(GLOBAL APPEND PROPERTY UIEDITOR_PART_TARGETS ${target})
endfunction()
