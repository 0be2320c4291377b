# The rooms of src/ and the order they stand in: a file may include the
# headers of its own room and of rooms on lower levels, never of a room on
# its own level or above it. docs/architecture.md explains the order.
#
#   cmake -DSOURCE_DIR=<checkout>/src -P scripts/layering_check.cmake
#
# Prints every include that runs back up (file, line, the header and both
# rooms) and fails when there is one, when a file outside app/ and cli/
# includes "app/program.h", or when a folder of src/ has no level here.
cmake_minimum_required(VERSION 3.22)

if(NOT SOURCE_DIR OR NOT IS_DIRECTORY "${SOURCE_DIR}")
    message(FATAL_ERROR "layering_check: give -DSOURCE_DIR=<checkout>/src")
endif()

# One line a level, lowest first. A "widgets" room is the windows of the
# room before the slash; every window stands above every model and above
# ui/, the thin layer over Qt Widgets.
set(levels
    "platform common"
    "core"
    "console archive"
    "buttons customwin compile"
    "launch"
    "browser"
    "maps"
    "ui"
    "console/widgets archive/widgets"
    "buttons/widgets customwin/widgets compile/widgets"
    "launch/widgets"
    "browser/widgets"
    "maps/widgets"
    "app"
    "cli app/widgets")

set(level 0)
foreach(line IN LISTS levels)
    math(EXPR level "${level} + 1")
    string(REPLACE " " ";" rooms "${line}")
    foreach(room IN LISTS rooms)
        string(REPLACE "/" "_" key "${room}")
        set(level_${key} ${level})
    endforeach()
endforeach()

# The room of a path below src/: its first folder, with "/widgets" when the
# path lies in that room's widgets/ folder.
function(room_of path out)
    string(REGEX MATCH "^[^/]+" room "${path}")
    if(path MATCHES "^[^/]+/widgets/")
        set(room "${room}/widgets")
    endif()
    set(${out} "${room}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
list(SORT files)
set(faults 0)
foreach(file IN LISTS files)
    room_of("${file}" room)
    string(REPLACE "/" "_" key "${room}")
    if(NOT DEFINED level_${key})
        message("${file}: the room ${room} has no level in scripts/layering_check.cmake")
        math(EXPR faults "${faults} + 1")
        continue()
    endif()
    set(own ${level_${key}})
    file(STRINGS "${SOURCE_DIR}/${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" header "${line}")
        if(NOT header MATCHES "/")
            continue()
        endif()
        room_of("${header}" target)
        string(REPLACE "/" "_" targetKey "${target}")
        if(header STREQUAL "app/program.h" AND NOT room MATCHES "^(app|cli)(/|$)")
            message("${file}: includes app/program.h; only app/ and cli/ build the Program, "
                    "the rooms below take what they use")
            math(EXPR faults "${faults} + 1")
        elseif(NOT target STREQUAL room)
            if(NOT DEFINED level_${targetKey})
                message("${file}: includes ${header} from ${target}, which has no level")
                math(EXPR faults "${faults} + 1")
            elseif(NOT level_${targetKey} LESS own)
                message("${file}: includes ${header}: ${room} (level ${own}) may not reach "
                        "${target} (level ${level_${targetKey}})")
                math(EXPR faults "${faults} + 1")
            endif()
        endif()
    endforeach()
endforeach()

list(LENGTH files count)
if(faults GREATER 0)
    message(FATAL_ERROR "layering_check: ${faults} fault(s) against the order of the rooms")
endif()
message(STATUS "layering_check: ${count} files, every include runs down the order of the rooms")
