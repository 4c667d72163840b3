# What ships beside the program: every file and folder the program opens
# from its own folder, each with the target that lays it out at the top of
# the build tree, where the program is built. This list is the one place
# that names them: the program's target depends on all of them, so that
# building the program alone (as scripts/run does) gives the folder a full
# build ships, and the tests hold the list against the names the program
# opens (generated/shipped_files.h).
set(CN_SHIPPED_BESIDE_PROGRAM
    "countryshape.dat" cn_shipped_data
    "Pictures" cn_picture_pack
    "Maps" cn_map_pack
    "${PROJECT_NAME}.chm" cn_help_file
    "GRAPHS" cn_sample_graphs
    "Scripts" cn_lessons)

set(CN_SHIPPED_TARGETS)
set(shipped_names "")
list(LENGTH CN_SHIPPED_BESIDE_PROGRAM count)
math(EXPR last "${count} - 1")
foreach(i RANGE 0 ${last} 2)
    math(EXPR j "${i} + 1")
    list(GET CN_SHIPPED_BESIDE_PROGRAM ${i} name)
    list(GET CN_SHIPPED_BESIDE_PROGRAM ${j} target)
    string(APPEND shipped_names "    \"${name}\",\n")
    # The map pack needs Pillow; MapPack.cmake warns when it cannot be drawn.
    if(TARGET ${target})
        list(APPEND CN_SHIPPED_TARGETS ${target})
    endif()
endforeach()

file(WRITE ${CN_GENERATED_DIR}/generated/shipped_files.h.in
"// Generated from cmake/ShippedFiles.cmake: the files and folders the build
// lays out beside the program.
#pragma once

namespace corvinata::generated {

inline constexpr const char* kShippedBesideProgram[] = {
${shipped_names}};

}  // namespace corvinata::generated
")
configure_file(${CN_GENERATED_DIR}/generated/shipped_files.h.in
               ${CN_GENERATED_DIR}/generated/shipped_files.h COPYONLY)
