# The automation server's type library: widl turns the IDL into the library
# that the program carries as its TYPELIB resource, the C++ declarations of
# its interfaces and the definitions of their identifiers. The system IDL
# files and the standard OLE library come from Wine's development files.
# The library describes the interfaces for the build's own word size.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(cn_widl_target --win64)
    set(cn_wine_pe_dir /usr/lib/x86_64-linux-gnu/wine/x86_64-windows)
else()
    set(cn_widl_target --win32)
    set(cn_wine_pe_dir /usr/lib/i386-linux-gnu/wine/i386-windows)
endif()
find_program(CN_WIDL NAMES ${CN_MINGW_PREFIX}-widl widl REQUIRED)
set(CN_WINE_IDL_DIR /usr/include/wine/wine/windows CACHE PATH "Folder with oaidl.idl and the other system IDL files")
set(CN_STDOLE_DIR ${cn_wine_pe_dir} CACHE PATH "Folder with stdole2.tlb")
if(NOT EXISTS ${CN_WINE_IDL_DIR}/oaidl.idl)
    message(FATAL_ERROR "oaidl.idl not found in '${CN_WINE_IDL_DIR}' (install libwine-dev or set CN_WINE_IDL_DIR)")
endif()

set(idl ${PROJECT_SOURCE_DIR}/src/automation/corvinata_server.idl)
set(out ${CN_GENERATED_DIR}/generated)
set(CN_TYPELIB ${out}/corvinata_server.tlb)
set(CN_TYPELIB_HEADER ${out}/corvinata_server.h)
set(CN_TYPELIB_IDS ${out}/corvinata_server_i.c)
add_custom_command(
    OUTPUT ${CN_TYPELIB} ${CN_TYPELIB_HEADER} ${CN_TYPELIB_IDS}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${out}
    COMMAND ${CN_WIDL} ${cn_widl_target} -I ${CN_WINE_IDL_DIR} -L ${CN_STDOLE_DIR} -t -o ${CN_TYPELIB} ${idl}
    COMMAND ${CN_WIDL} ${cn_widl_target} -I ${CN_WINE_IDL_DIR} -h -o ${CN_TYPELIB_HEADER} ${idl}
    COMMAND ${CN_WIDL} ${cn_widl_target} -I ${CN_WINE_IDL_DIR} -u -o ${CN_TYPELIB_IDS} ${idl}
    DEPENDS ${idl}
    COMMENT "Building the automation type library"
    VERBATIM)
add_custom_target(cn_typelib DEPENDS ${CN_TYPELIB} ${CN_TYPELIB_HEADER} ${CN_TYPELIB_IDS})
