# The sample graphs the program ships in "GRAPHS" beside it (the Graph
# window's Related Tasks open them): "Astronomical Calendar <year>.gph",
# made at build time by codegen/make_sample_graphs.cpp, a program of the
# core library that computes and writes them with the program's own graph
# document and file writer. It runs on the machine that builds: a cross
# build makes it in a build tree of its own (host-tools/) for that machine.
set(CN_SAMPLE_GRAPH_YEARS 2027 2028 2029)
# A cross build beside another one may run the maker that tree made for the
# build machine rather than make its own.
set(CN_SAMPLE_GRAPH_MAKER_PROGRAM "" CACHE FILEPATH
    "make_sample_graphs already built for the machine that builds (a cross build only)")

if(CN_HOST_TOOLS_ONLY OR NOT CMAKE_CROSSCOMPILING)
    add_executable(make_sample_graphs ${PROJECT_SOURCE_DIR}/codegen/make_sample_graphs.cpp)
    target_link_libraries(make_sample_graphs PRIVATE cn_core)
    set(CN_SAMPLE_GRAPH_MAKER $<TARGET_FILE:make_sample_graphs>)
    set(maker_depends make_sample_graphs)
    # The tree of the build machine's programs makes only the program.
    if(CN_HOST_TOOLS_ONLY)
        return()
    endif()
elseif(CN_SAMPLE_GRAPH_MAKER_PROGRAM)
    set(CN_SAMPLE_GRAPH_MAKER ${CN_SAMPLE_GRAPH_MAKER_PROGRAM})
    set(maker_depends ${CN_SAMPLE_GRAPH_MAKER_PROGRAM})
else()
    include(ExternalProject)
    # As many jobs as this tree builds with (scripts/ pass CN_JOBS).
    if(DEFINED ENV{CN_JOBS})
        set(host_jobs --parallel $ENV{CN_JOBS})
    else()
        set(host_jobs)
    endif()
    set(host_dir ${PROJECT_BINARY_DIR}/host-tools)
    set(CN_SAMPLE_GRAPH_MAKER ${host_dir}/make_sample_graphs)
    ExternalProject_Add(cn_host_tools
        SOURCE_DIR ${PROJECT_SOURCE_DIR}
        BINARY_DIR ${host_dir}
        CMAKE_ARGS -DCN_HOST_TOOLS_ONLY=ON -DCN_DATA_DIR=${CN_DATA_DIR} -DCMAKE_BUILD_TYPE=Release
        BUILD_COMMAND ${CMAKE_COMMAND} --build ${host_dir} --target make_sample_graphs ${host_jobs}
        INSTALL_COMMAND ""
        # Its own build decides whether anything changed.
        BUILD_ALWAYS ON
        BUILD_BYPRODUCTS ${CN_SAMPLE_GRAPH_MAKER})
    set(maker_depends ${CN_SAMPLE_GRAPH_MAKER} cn_host_tools)
endif()

set(CN_SAMPLE_GRAPHS_DIR ${PROJECT_BINARY_DIR}/GRAPHS)
set(CN_SAMPLE_GRAPH_FILES)
foreach(year IN LISTS CN_SAMPLE_GRAPH_YEARS)
    list(APPEND CN_SAMPLE_GRAPH_FILES "${CN_SAMPLE_GRAPHS_DIR}/Astronomical Calendar ${year}.gph")
endforeach()
add_custom_command(
    OUTPUT ${CN_SAMPLE_GRAPH_FILES}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CN_SAMPLE_GRAPHS_DIR}
    COMMAND ${CN_SAMPLE_GRAPH_MAKER} ${CN_SAMPLE_GRAPHS_DIR} ${CN_SAMPLE_GRAPH_YEARS}
    DEPENDS ${maker_depends}
    COMMENT "Computing the sample graphs"
    VERBATIM)
add_custom_target(cn_sample_graphs ALL DEPENDS ${CN_SAMPLE_GRAPH_FILES})

# Copies the sample graphs into GRAPHS/ beside `target` after each build.
function(cn_copy_sample_graphs target)
    add_dependencies(${target} cn_sample_graphs)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E make_directory $<TARGET_FILE_DIR:${target}>/GRAPHS
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CN_SAMPLE_GRAPH_FILES} $<TARGET_FILE_DIR:${target}>/GRAPHS
        VERBATIM)
endfunction()
