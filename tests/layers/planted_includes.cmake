# Configures a copy of the tree in which lower layers include upwards, and a program escapes
# the layers; the configuration must stop and name each including file with what it includes.
# cmake -DSOURCE=<tree> -DWORK=<scratch folder> -P planted_includes.cmake
file(REMOVE_RECURSE ${WORK})
file(COPY ${SOURCE}/ DESTINATION ${WORK}/tree REGEX "/(build|\\.git)$" EXCLUDE)
set(tree ${WORK}/tree)

file(APPEND ${tree}/core/start_up.cpp "#include \"gui/gui.h\"\n")
file(APPEND ${tree}/panels/panels.cpp "#include \"gui/panel_window.h\"\n")
file(APPEND ${tree}/core/painting_commands.h "#include <QString>\n")
file(WRITE ${tree}/batch/stray_main.cpp "int main() { return 0; }\n")
file(APPEND ${tree}/batch/CMakeLists.txt "add_executable(stray stray_main.cpp)\n")

execute_process(COMMAND ${CMAKE_COMMAND} -S ${tree} -B ${WORK}/build -DDAUBWERK_BENCHMARKS=OFF
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(REMOVE_RECURSE ${WORK})
# CMake wraps long messages; compare the words alone.
string(REGEX REPLACE "[ \t\n]+" " " output "${output}")
if(result EQUAL 0)
    message(FATAL_ERROR "the configuration went on past upward includes")
endif()
foreach(expected IN ITEMS
        "core/start_up.cpp: daubwerk_core may include only from"
        "not gui/gui.h"
        "panels/panels.cpp: daubwerk_panels may include only from"
        "not gui/panel_window.h"
        "core/painting_commands.h: daubwerk_core is a layer without Qt: #include <QString>"
        "stray (in ${tree}/batch) is not declared through daubwerk_layer")
    string(FIND "${output}" "${expected}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the configuration did not say \"${expected}\":\n${output}")
    endif()
endforeach()
