# The lessons that ship beside the program: the CorvinataScript files of
# lessons/, copied into the "Scripts" folder the Educator lists.
file(GLOB CN_LESSON_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/lessons/*.sts)

# Copies the lessons into Scripts/ beside `target` after each build.
function(cn_copy_lessons target)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E make_directory $<TARGET_FILE_DIR:${target}>/Scripts
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CN_LESSON_FILES} $<TARGET_FILE_DIR:${target}>/Scripts
        VERBATIM)
endfunction()

# The lessons in Scripts/ beside the program, at the top of the build tree.
set(lesson_copies)
foreach(lesson IN LISTS CN_LESSON_FILES)
    get_filename_component(name ${lesson} NAME)
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/Scripts/${name}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${lesson} ${PROJECT_BINARY_DIR}/Scripts/${name}
        DEPENDS ${lesson}
        VERBATIM)
    list(APPEND lesson_copies ${PROJECT_BINARY_DIR}/Scripts/${name})
endforeach()
add_custom_target(cn_lessons ALL DEPENDS ${lesson_copies})
