# Strict warnings for every target of the project; third-party headers come in
# through imported targets and are treated as system headers, so they stay quiet.
function(vestrel_set_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic
        -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast
        -Wcast-qual -Wformat=2 -Wimplicit-fallthrough -Wnon-virtual-dtor
        -Woverloaded-virtual -Wnull-dereference -Wundef -Wdouble-promotion)
    if(VESTREL_WARNINGS_AS_ERRORS)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
