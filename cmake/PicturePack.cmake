# The picture pack that ships beside the program: the photographs and planet
# maps of the data folder copied into Pictures/ of the build tree with the
# pack's contents.txt and the credits their licence asks for.
set(CN_PICTURE_PACK_DIR ${PROJECT_BINARY_DIR}/Pictures)
add_custom_command(
    OUTPUT ${CN_PICTURE_PACK_DIR}/contents.txt
    COMMAND ${Python3_EXECUTABLE} -B ${PROJECT_SOURCE_DIR}/codegen/gen_picture_pack.py
            --data ${CN_DATA_DIR} --out ${CN_GENERATED_DIR}/picture_pack/picture_pack.h
            --pack ${CN_PICTURE_PACK_DIR}
    DEPENDS ${PROJECT_SOURCE_DIR}/codegen/gen_picture_pack.py
            ${PROJECT_SOURCE_DIR}/codegen/codegen_common.py ${CN_DATA_DIR}/pictures/SOURCES.md
    COMMENT "Laying out the picture pack"
    VERBATIM)
add_custom_target(cn_picture_pack ALL DEPENDS ${CN_PICTURE_PACK_DIR}/contents.txt)

# Copies the pack into Pictures/ beside `target` after each build.
function(cn_copy_picture_pack target)
    add_dependencies(${target} cn_picture_pack)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${CN_PICTURE_PACK_DIR}
                $<TARGET_FILE_DIR:${target}>/Pictures
        VERBATIM)
endfunction()
