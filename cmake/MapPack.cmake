# The map pack that ships beside the program: maps drawn from the country
# outlines into Maps/ of the build tree, with its Contents.txt. Drawing needs
# Pillow; the interpreter of the build is used when it has it, else the
# system's. Without Pillow the pack is left out and the program offers its
# built-in map.
set(cn_map_python "")
foreach(candidate IN ITEMS ${Python3_EXECUTABLE} /usr/bin/python3)
    if(NOT cn_map_python AND EXISTS ${candidate})
        execute_process(COMMAND ${candidate} -c "import PIL" RESULT_VARIABLE no_pil
                        OUTPUT_QUIET ERROR_QUIET)
        if(no_pil EQUAL 0)
            set(cn_map_python ${candidate})
        endif()
    endif()
endforeach()

if(cn_map_python)
    set(cn_map_pack ${PROJECT_BINARY_DIR}/Maps)
    add_custom_command(
        OUTPUT ${cn_map_pack}/Contents.txt
        COMMAND ${cn_map_python} -B ${PROJECT_SOURCE_DIR}/codegen/gen_world_maps.py
                --data ${CN_DATA_DIR} --out ${CN_GENERATED_DIR}/map_pack/world_maps.h
                --pack ${cn_map_pack}
        DEPENDS ${PROJECT_SOURCE_DIR}/codegen/gen_world_maps.py
                ${PROJECT_SOURCE_DIR}/codegen/codegen_common.py ${CN_DATA_DIR}/countryshape.dat
        COMMENT "Drawing the map pack"
        VERBATIM)
    add_custom_target(cn_map_pack ALL DEPENDS ${cn_map_pack}/Contents.txt)
else()
    message(WARNING "Python with Pillow (python3-pil) not found: the map pack is not drawn")
endif()
