# The rooms of src/ and the order they stand in: a file may include the
# headers of its own room and of rooms on lower levels, never of a room on
# its own level or above it. A room's windows (its widgets/ folder) stand
# with their room: they may also include ui/ and the windows of lower
# rooms, while no model includes a window. docs/architecture.md explains
# the order.
#
#   cmake -DSOURCE_DIR=<checkout>/src -P scripts/layering_check.cmake
#
# Prints every include that runs back up (the file, the header and why) and
# fails when there is one, when a file outside app/ and cli/
# includes "app/program.h", or when a folder of src/ has no level here.
cmake_minimum_required(VERSION 3.22)

if(NOT SOURCE_DIR OR NOT IS_DIRECTORY "${SOURCE_DIR}")
    message(FATAL_ERROR "layering_check: give -DSOURCE_DIR=<checkout>/src")
endif()

# One line a level, lowest first.
set(levels
    "platform common"
    "core"
    "console archive"
    "buttons customwin compile"
    "launch"
    "browser"
    "maps"
    "ui"
    "app"
    "cli")

set(level 0)
foreach(line IN LISTS levels)
    math(EXPR level "${level} + 1")
    string(REPLACE " " ";" rooms "${line}")
    foreach(room IN LISTS rooms)
        set(level_${room} ${level})
    endforeach()
endforeach()

# The room of a path below src/ (its first folder), and whether the path
# lies in that room's widgets/ folder.
function(room_of path roomOut windowOut)
    string(REGEX MATCH "^[^/]+" room "${path}")
    set(${roomOut} "${room}" PARENT_SCOPE)
    if(path MATCHES "^[^/]+/widgets/")
        set(${windowOut} TRUE PARENT_SCOPE)
    else()
        set(${windowOut} FALSE PARENT_SCOPE)
    endif()
endfunction()

# Why a file of `room` (a window when `window`) may not include a header of
# `target` (a window when `targetWindow`); empty when it may.
function(fault_of room window target targetWindow out)
    set(reason "")
    if(NOT DEFINED level_${target})
        set(reason "${target} has no level")
    elseif(targetWindow AND NOT window)
        set(reason "only a widgets/ folder includes windows")
    elseif(window AND NOT targetWindow AND target STREQUAL "ui")
        # every window may use the thin layer over Qt Widgets
    elseif(NOT target STREQUAL room AND NOT level_${target} LESS level_${room})
        set(reason "${room} (level ${level_${room}}) may not reach ${target} (level ${level_${target}})")
    endif()
    set(${out} "${reason}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
list(SORT files)
set(faults 0)
foreach(file IN LISTS files)
    room_of("${file}" room window)
    if(NOT DEFINED level_${room})
        message("${file}: the room ${room} has no level in scripts/layering_check.cmake")
        math(EXPR faults "${faults} + 1")
        continue()
    endif()
    file(STRINGS "${SOURCE_DIR}/${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" header "${line}")
        if(NOT header MATCHES "/")
            continue()
        endif()
        room_of("${header}" target targetWindow)
        if(header STREQUAL "app/program.h" AND NOT room MATCHES "^(app|cli)$")
            message("${file}: includes app/program.h; only app/ and cli/ build the Program, "
                    "the rooms below take what they use")
            math(EXPR faults "${faults} + 1")
            continue()
        endif()
        fault_of("${room}" ${window} "${target}" ${targetWindow} reason)
        if(reason)
            message("${file}: includes ${header}: ${reason}")
            math(EXPR faults "${faults} + 1")
        endif()
    endforeach()
endforeach()

list(LENGTH files count)
if(faults GREATER 0)
    message(FATAL_ERROR "layering_check: ${faults} fault(s) against the order of the rooms")
endif()
message(STATUS "layering_check: ${count} files, every include runs down the order of the rooms")
