# Data files that the program reads from its own folder at run time. They
# come from the data folder and are copied beside every program that reads
# them; they are never part of the repository.
set(CN_SHIPPED_DATA_FILES countryshape.dat)

# Copies the shipped data files into the folder of `target` after each build.
function(cn_copy_shipped_data target)
    foreach(name IN LISTS CN_SHIPPED_DATA_FILES)
        add_custom_command(TARGET ${target} POST_BUILD
            COMMAND ${CMAKE_COMMAND} -E copy_if_different
                ${CN_DATA_DIR}/${name} $<TARGET_FILE_DIR:${target}>/${name}
            VERBATIM)
    endforeach()
endfunction()

# The program is built into the top of the build tree.
set(shipped_copies)
foreach(name IN LISTS CN_SHIPPED_DATA_FILES)
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/${name}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CN_DATA_DIR}/${name} ${PROJECT_BINARY_DIR}/${name}
        DEPENDS ${CN_DATA_DIR}/${name}
        VERBATIM)
    list(APPEND shipped_copies ${PROJECT_BINARY_DIR}/${name})
endforeach()
add_custom_target(cn_shipped_data ALL DEPENDS ${shipped_copies})
