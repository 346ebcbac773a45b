# cmake --install into a fresh prefix, then the freedesktop checks of what it
# put there. Run as: cmake -DBUILD=<build folder> -DPREFIX=<empty folder> -P InstallTest.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(entry "${PREFIX}/share/applications/tovradesktop.desktop")
foreach(installed bin/TovraDesktop libexec/TovraDesktop/tovra-setroot
        libexec/TovraDesktop/tovra-screensaver
        share/applications/tovradesktop.desktop
        share/icons/hicolor/scalable/apps/tovradesktop.svg)
    if(NOT EXISTS "${PREFIX}/${installed}")
        message(FATAL_ERROR "not installed: ${installed}")
    endif()
endforeach()

# Errors and warnings alike fail: the entry must be clean.
execute_process(COMMAND desktop-file-validate "${entry}"
    RESULT_VARIABLE result OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT result EQUAL 0 OR NOT said STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate (${result}): ${said}")
endif()

# The installed helpers run from where the installed program looks for them.
foreach(helper tovra-setroot tovra-screensaver)
    execute_process(COMMAND "${PREFIX}/libexec/TovraDesktop/${helper}" /x
        RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE said)
    if(NOT result EQUAL 2 OR NOT said MATCHES "usage: [^ ]*${helper}")
        message(FATAL_ERROR "${helper} does not run: ${result} ${said}")
    endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
message(STATUS "installed and validated")
