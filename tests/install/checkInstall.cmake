# Installs the build into a fresh prefix and checks what a desktop finds there: the program, its
# desktop entry and AppStream metainfo (each passing its validator) and the application icon in
# the hicolor theme at each size, of that size. Prints SKIP (the test's skip mark) when a
# validator is not installed.
# Called as: cmake -DBUILD_DIR=<build> -DPREFIX=<scratch folder> -P checkInstall.cmake

set(APP_ID org.torva.TORVA)
find_program(DESKTOP_VALIDATE desktop-file-validate)
find_program(APPSTREAM_CLI appstreamcli)
if(NOT DESKTOP_VALIDATE OR NOT APPSTREAM_CLI)
    message("SKIP: desktop-file-validate or appstreamcli missing (scripts/setup.sh installs them)")
    return()
endif()

function(run_checked)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "failed (${status}): ${ARGN}\n${out}")
    endif()
endfunction()

file(REMOVE_RECURSE ${PREFIX})
run_checked(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX})

set(DESKTOP ${PREFIX}/share/applications/${APP_ID}.desktop)
set(METAINFO ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml)
foreach(path ${PREFIX}/bin/TORVA ${DESKTOP} ${METAINFO})
    if(NOT EXISTS ${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

# A PNG's width and height are the big-endian words at bytes 16 and 20 of its header.
foreach(size 16 24 32 64 128)
    set(icon ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
    if(NOT EXISTS ${icon})
        message(FATAL_ERROR "not installed: ${icon}")
    endif()
    file(READ ${icon} signature LIMIT 8 HEX)
    file(READ ${icon} dimensions OFFSET 16 LIMIT 8 HEX)
    math(EXPR side "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(REPLACE "0x" "" side ${side})
    string(LENGTH ${side} digits)
    math(EXPR padding "8 - ${digits}")
    string(REPEAT "0" ${padding} zeros)
    if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT dimensions STREQUAL "${zeros}${side}${zeros}${side}")
        message(FATAL_ERROR "${icon} is not a ${size}x${size} PNG (${signature} ${dimensions})")
    endif()
endforeach()

run_checked(${DESKTOP_VALIDATE} ${DESKTOP})
run_checked(${APPSTREAM_CLI} validate --no-net ${METAINFO})
# The whole tree: the metainfo's launchable must name the installed desktop entry.
run_checked(${APPSTREAM_CLI} validate-tree --no-net ${PREFIX})
file(REMOVE_RECURSE ${PREFIX})
message("installed and validated: ${APP_ID}")
