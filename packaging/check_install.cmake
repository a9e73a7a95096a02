# Run by the packaging.install test: installs the build into STAGING_DIR and
# fails unless the installed files are exactly EXPECTED ('|'-separated paths
# relative to the prefix), each icon has the size its folder names, and the
# installed tree passes AppStream's whole-tree check when appstreamcli exists.

foreach(variable BUILD_DIR STAGING_DIR EXPECTED)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "check_install.cmake needs -D ${variable}=...")
    endif()
endforeach()

file(REMOVE_RECURSE "${STAGING_DIR}")
set(config_args)
if(CONFIG)
    set(config_args --config "${CONFIG}")
endif()
execute_process(
    COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGING_DIR}" ${config_args}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${result}); is vestrel built?\n${output}")
endif()

string(REPLACE "|" ";" expected "${EXPECTED}")
list(SORT expected)
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${STAGING_DIR}" "${STAGING_DIR}/*")
list(SORT installed)

set(missing ${expected})
list(REMOVE_ITEM missing ${installed})
set(unexpected ${installed})
list(REMOVE_ITEM unexpected ${expected})
if(missing OR unexpected)
    list(JOIN missing "\n  " missing_text)
    list(JOIN unexpected "\n  " unexpected_text)
    message(FATAL_ERROR "installed files differ from the expected list\n"
        "missing:\n  ${missing_text}\nunexpected:\n  ${unexpected_text}")
endif()

# A PNG's width and height are the big-endian words at bytes 16 and 20.
foreach(path IN LISTS installed)
    if(path MATCHES "/icons/hicolor/([0-9]+)x([0-9]+)/apps/[^/]+\\.png$")
        set(want_width ${CMAKE_MATCH_1})
        set(want_height ${CMAKE_MATCH_2})
        file(READ "${STAGING_DIR}/${path}" header LIMIT 8 OFFSET 16 HEX)
        string(SUBSTRING "${header}" 0 8 width_hex)
        string(SUBSTRING "${header}" 8 8 height_hex)
        math(EXPR width "0x${width_hex}")
        math(EXPR height "0x${height_hex}")
        if(NOT width EQUAL want_width OR NOT height EQUAL want_height)
            message(FATAL_ERROR "${path} is ${width}x${height}")
        endif()
    endif()
endforeach()

# The whole-tree check also finds the desktop entry the AppStream file names
# as its launchable, and the icons.
if(APPSTREAMCLI)
    execute_process(
        COMMAND "${APPSTREAMCLI}" validate-tree --no-net --explain "${STAGING_DIR}"
        RESULT_VARIABLE result
        OUTPUT_VARIABLE output
        ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "appstreamcli validate-tree failed\n${output}")
    endif()
endif()

list(LENGTH installed count)
message(STATUS "${count} files installed as expected")
