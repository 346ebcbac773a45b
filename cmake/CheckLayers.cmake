# Fails when a source file includes a header from a folder above its own, so
# that the folders keep depending downward only. From the top:
#
#   app/
#   wallpaper/ library/ desktop/ painting/
#   toolkit/
#   settings/
#   picture/
#   platform/
#
# A subsystem's core/ stands at its subsystem's height and holds the rules
# that need no window: it may include other core/ folders at or below that
# height, settings/, picture/ and platform/, never a window's header. Folders
# at the same height may include each other. The helper programs
# (tovra-screensaver, tovra-setroot) are programs of their own that link the
# layers they need, and, like tests, benchmarks and fuzz targets, sit on top
# of everything: their folders are not checked.
#
#   cmake -DSOURCE_DIR=<tree> -P cmake/CheckLayers.cmake

cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE_DIR)
    message(FATAL_ERROR "CheckLayers: pass -DSOURCE_DIR=<source tree>")
endif()

set(_height_app 6)
set(_height_wallpaper 5)
set(_height_library 5)
set(_height_desktop 5)
set(_height_painting 5)
set(_height_toolkit 4)
set(_height_settings 3)
set(_height_picture 2)
set(_height_platform 1)
set(_folders app wallpaper library desktop painting toolkit settings picture platform)
# Folders that hold no window anywhere in them.
set(_window_free settings picture platform)
set(_programs desktop/saver platform/host/setroot)

# The height of a path's folder in _height, whether it is window-free in
# _free; _height is empty for a path outside the layered folders.
function(_tovra_layer path)
    string(REPLACE "/" ";" parts "${path}")
    list(LENGTH parts count)
    set(_height "" PARENT_SCOPE)
    if(count LESS 2)
        return()
    endif()
    list(GET parts 0 top)
    list(GET parts 1 second)
    if(NOT top IN_LIST _folders)
        return()
    endif()
    set(_height ${_height_${top}} PARENT_SCOPE)
    if(top IN_LIST _window_free OR (count GREATER 2 AND second STREQUAL "core"))
        set(_free TRUE PARENT_SCOPE)
    else()
        set(_free FALSE PARENT_SCOPE)
    endif()
endfunction()

set(_reaches "")
set(_files 0)
set(_includes 0)
foreach(folder IN LISTS _folders)
    file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}"
         "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
    foreach(program IN LISTS _programs)
        list(FILTER sources EXCLUDE REGEX "^${program}/")
    endforeach()
    foreach(source IN LISTS sources)
        math(EXPR _files "${_files} + 1")
        _tovra_layer("${source}")
        set(from_height ${_height})
        set(from_free ${_free})
        file(STRINGS "${SOURCE_DIR}/${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line IN LISTS lines)
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" header "${line}")
            _tovra_layer("${header}")
            if(_height STREQUAL "")
                continue()
            endif()
            math(EXPR _includes "${_includes} + 1")
            if(_height GREATER from_height OR (from_free AND NOT _free))
                list(APPEND _reaches "${source} includes ${header}")
            endif()
        endforeach()
    endforeach()
endforeach()

list(LENGTH _reaches reach_count)
if(reach_count GREATER 0)
    list(JOIN _reaches "\n  " listed)
    message(FATAL_ERROR "${reach_count} include(s) reach above their folder's layer:\n  ${listed}")
endif()
message(STATUS "${_files} files, ${_includes} includes of the layered folders: all point down")
