# Fails when a quoted include of the sources under SOURCE_DIR crosses a layer
# the design forbids, or a Qt header is included outside the Qt folders.
# The layers, lowest first: calc (with its subfolders), ui, then app and cli.
# The source root is an include path of every library, so such an include
# would otherwise compile without a word.
#
#     cmake -DSOURCE_DIR=DIR -P check_layers.cmake

# Each forbidden arrow: the folder of the including file, a regular expression
# of the included path, and what the arrow breaks.
set(arrows
    "^calc/" "^(ui|cli|app|bench|fuzz|tests)/" "the numeric procedures depend on nothing above them"
    "^ui/" "^(cli|app)/" "the window depends on neither the companion nor the start-up"
    "^ui/about/" "^ui/main/" "the About dialog and the main window know nothing of each other"
    "^ui/main/" "^ui/about/" "the About dialog and the main window know nothing of each other"
    "^ui/shared/" "^ui/(main|about)/" "the shared window pieces serve both windows alike"
    "^cli/" "(^|/)qt/" "the companion runs without the toolkit")
# Where a Qt header may be included.
set(qt_homes "(^|/)qt/|^app/|^bench/|^tests/")

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
    ${SOURCE_DIR}/app/*.cpp ${SOURCE_DIR}/app/*.h ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/bench/*.h
    ${SOURCE_DIR}/calc/*.cpp ${SOURCE_DIR}/calc/*.h ${SOURCE_DIR}/cli/*.cpp ${SOURCE_DIR}/cli/*.h
    ${SOURCE_DIR}/fuzz/*.cpp ${SOURCE_DIR}/fuzz/*.h ${SOURCE_DIR}/ui/*.cpp ${SOURCE_DIR}/ui/*.h)

set(crossings "")
foreach(source IN LISTS sources)
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([^\">]*)[\">].*$" "\\1" included
            "${line}")
        if(line MATCHES "<Q[A-Za-z]*>|<Qt[A-Za-z]+/" AND NOT source MATCHES "${qt_homes}")
            list(APPEND crossings "${source}: ${included}: a Qt header outside the Qt folders")
        endif()
        if(NOT line MATCHES "\"")
            continue()
        endif()
        set(rest ${arrows})
        while(rest)
            list(POP_FRONT rest from to why)
            if(source MATCHES "${from}" AND included MATCHES "${to}")
                list(APPEND crossings "${source}: ${included}: ${why}")
            endif()
        endwhile()
    endforeach()
endforeach()

if(crossings)
    list(JOIN crossings "\n  " text)
    message(FATAL_ERROR "includes that cross a layer:\n  ${text}")
endif()
list(LENGTH sources count)
message(STATUS "${count} sources, no include crosses a layer")
