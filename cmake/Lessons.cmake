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
