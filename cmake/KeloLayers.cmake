# The game's folders are layers, each one static library that links only the layers below it.
# kelo_layer() also reads every file of the folder and its subfolders, and stops the configuration at an #include
# of a layer above it, or of Qt in a layer that must stay plain C++: such a mistake shows at
# once, not as a link error in some later program.
#
#   kelo_layer(game BELOW forms scene SOURCES src/game/flight.cpp ...)
#   kelo_layer(sound FOLDER desktop/sound BELOW lang SOURCES ...)   # a layer in a subfolder

set(KELO_PLAIN_LAYERS forms scene game lang author app sound)

function(kelo_layer layer)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "FOLDER" "BELOW;SOURCES;LINK")
    if(NOT ARG_FOLDER)
        set(ARG_FOLDER ${layer})
    endif()
    add_library(kelo_${layer} STATIC ${ARG_SOURCES})
    target_include_directories(kelo_${layer} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    foreach(below IN LISTS ARG_BELOW)
        target_link_libraries(kelo_${layer} PUBLIC kelo_${below})
    endforeach()
    if(ARG_LINK)
        target_link_libraries(kelo_${layer} PUBLIC ${ARG_LINK})
    endif()

    file(GLOB_RECURSE files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${ARG_FOLDER}/*)
    foreach(file IN LISTS files)
        file(STRINGS ${file} includes REGEX "^#include [\"<]")
        foreach(line IN LISTS includes)
            if(line MATCHES "^#include \"${ARG_FOLDER}/")
                # its own folder
            elseif(line MATCHES "^#include \"([a-z_]+)/")
                set(used ${CMAKE_MATCH_1})
                if(NOT used STREQUAL layer AND NOT used IN_LIST ARG_BELOW)
                    message(FATAL_ERROR "${file}: '${line}' reaches the layer '${used}', "
                                        "which '${layer}' may not use (it may use: ${ARG_BELOW})")
                endif()
            elseif(line MATCHES "^#include <Q" AND layer IN_LIST KELO_PLAIN_LAYERS)
                message(FATAL_ERROR "${file}: '${line}': only the desktop layer uses Qt")
            endif()
        endforeach()
    endforeach()
endfunction()
