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
