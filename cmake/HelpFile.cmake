# The help file that ships beside the program: the pages of help/ checked
# against every topic the program's sources open (a topic without its page
# fails the build) and compiled with chmcmd (Debian's fp-utils).
find_program(CN_CHMCMD chmcmd)
if(NOT CN_CHMCMD)
    message(FATAL_ERROR "chmcmd (Debian package fp-utils) is needed to compile the help file.")
endif()
set(CN_HELP_FILE ${PROJECT_BINARY_DIR}/${PROJECT_NAME}.chm)
file(GLOB_RECURSE help_pages CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/help/*)
# The topics are read from the sources: any of them may open a new one.
file(GLOB_RECURSE help_topic_sources CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h)
add_custom_command(
    OUTPUT ${CN_HELP_FILE}
    COMMAND ${Python3_EXECUTABLE} -B ${PROJECT_SOURCE_DIR}/codegen/build_help.py
            ${PROJECT_SOURCE_DIR}/help ${PROJECT_SOURCE_DIR}/src ${CN_GENERATED_DIR}/help ${CN_HELP_FILE}
    DEPENDS ${PROJECT_SOURCE_DIR}/codegen/build_help.py ${help_pages} ${help_topic_sources}
    COMMENT "Checking the help topics and compiling ${PROJECT_NAME}.chm"
    VERBATIM)
add_custom_target(cn_help_file ALL DEPENDS ${CN_HELP_FILE})
