# Compiler settings shared by every target of the project.
add_library(cn_options INTERFACE)
target_compile_features(cn_options INTERFACE cxx_std_17)
target_compile_options(cn_options INTERFACE -Wall -Wextra -fno-fast-math)
target_include_directories(cn_options INTERFACE
    ${PROJECT_SOURCE_DIR}/src
    ${CN_GENERATED_DIR})

if(WIN32)
    # Windows XP API level, Unicode API, SSE2 arithmetic so that results agree
    # with the native x86-64 build, and a self-contained executable.
    target_compile_definitions(cn_options INTERFACE
        _WIN32_WINNT=0x0501 WINVER=0x0501 UNICODE _UNICODE)
    target_compile_options(cn_options INTERFACE -msse2 -mfpmath=sse)
    target_link_options(cn_options INTERFACE -static -static-libgcc -static-libstdc++)
elseif(CN_SANITIZE)
    # A float converted to an integer it does not fit is undefined too, but
    # not among GCC's "undefined" checks.
    target_compile_options(cn_options INTERFACE
        -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(cn_options INTERFACE -fsanitize=address,undefined,float-cast-overflow)
endif()
if(CN_FUZZ)
    # Coverage for libFuzzer in everything a fuzzer links (clang only).
    target_compile_options(cn_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
