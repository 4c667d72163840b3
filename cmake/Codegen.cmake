# Build-time generators: every codegen/gen_<name>.py turns files of the data
# folder into the header generated/<name>.h of the build tree. A generator
# answers --list-inputs with the data files it reads, so the header is remade
# whenever one of them (or the generator) changes.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

file(GLOB CN_GENERATORS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/codegen/gen_*.py)
set(CN_GENERATED_HEADERS)
foreach(script IN LISTS CN_GENERATORS)
    get_filename_component(stem ${script} NAME_WE)
    string(REGEX REPLACE "^gen_" "" name ${stem})
    execute_process(
        COMMAND ${Python3_EXECUTABLE} -B ${script} --data ${CN_DATA_DIR} --list-inputs
        OUTPUT_VARIABLE inputs
        RESULT_VARIABLE status
        ERROR_VARIABLE errors)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "Generator ${stem}.py failed to list its inputs:\n${errors}")
    endif()
    string(REPLACE "\n" ";" inputs "${inputs}")
    set(depends ${script} ${PROJECT_SOURCE_DIR}/codegen/codegen_common.py)
    foreach(input IN LISTS inputs)
        if(input)
            list(APPEND depends ${CN_DATA_DIR}/${input})
        endif()
    endforeach()
    set(header ${CN_GENERATED_DIR}/generated/${name}.h)
    add_custom_command(
        OUTPUT ${header}
        COMMAND ${Python3_EXECUTABLE} -B ${script} --data ${CN_DATA_DIR} --out ${header}
        DEPENDS ${depends}
        COMMENT "Generating ${name}.h"
        VERBATIM)
    list(APPEND CN_GENERATED_HEADERS ${header})
endforeach()
add_custom_target(cn_generated DEPENDS ${CN_GENERATED_HEADERS})
