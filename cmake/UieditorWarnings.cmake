# Warnings are errors in the project's own code. Third-party headers come in
# as system includes through their imported targets and stay quiet.
function(uieditor_set_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Werror
        -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-align
        -Wimplicit-fallthrough -Wno-unused-parameter)
endfunction()
