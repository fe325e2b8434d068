# The engine's layers, each a static library of one folder. A layer links only the layers it
# stands on, and every quoted include of its folder must name its own folder or one of those:
# an upward include stops the configuration instead of waiting for a review to notice it.

# daubwerk_layer(TARGET FOLDER [FILES_OF DIR...] [ON LAYER...] [SOURCES file...])
# FILES_OF lists further folders whose files belong to the layer (checked like FOLDER, not
# recursively); ON lists the lower layers.
function(daubwerk_layer target folder)
    cmake_parse_arguments(PARSE_ARGV 2 LAYER "" "" "FILES_OF;ON;SOURCES")
    add_library(${target} STATIC ${LAYER_SOURCES})
    target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})

    set(allowed ${folder})
    foreach(lower IN LISTS LAYER_ON)
        get_property(lower_folders GLOBAL PROPERTY DAUBWERK_LAYER_FOLDERS_${lower})
        if(NOT lower_folders)
            message(FATAL_ERROR "${target} stands on ${lower}, which is no layer declared before it")
        endif()
        list(APPEND allowed ${lower_folders})
        target_link_libraries(${target} PUBLIC ${lower})
    endforeach()
    list(REMOVE_DUPLICATES allowed)
    set_property(GLOBAL PROPERTY DAUBWERK_LAYER_FOLDERS_${target} ${allowed})

    set(globs)
    foreach(dir IN ITEMS ${folder} ${LAYER_FILES_OF})
        list(APPEND globs ${CMAKE_SOURCE_DIR}/${dir}/*.h ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    endforeach()
    file(GLOB files CONFIGURE_DEPENDS ${globs})
    foreach(file IN LISTS files)
        # A changed include must be checked again.
        set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
        file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
        foreach(line IN LISTS includes)
            if(line MATCHES "include[ \t]*<(Q[A-Za-z]|qt)")
                message(FATAL_ERROR "${file}: the engine and platform's interfaces never include Qt:\n  ${line}")
            endif()
            if(line MATCHES "include[ \t]*\"([a-z_]+)/" AND NOT CMAKE_MATCH_1 IN_LIST allowed)
                message(FATAL_ERROR "${file}: ${target} may include only from ${allowed}:\n  ${line}")
            endif()
        endforeach()
    endforeach()
endfunction()
