# `vendisc_libarchive` for the Windows builds: libarchive's ISO 9660 writer and
# what it needs, compiled from Debian's source package (fetched once per build
# folder by tools/fetch-libarchive, and kept there) and linked statically
# into the programs that make images. Only Discwright links it.
set(VENDISC_LIBARCHIVE_DIR ${CMAKE_BINARY_DIR}/libarchive)
if(NOT EXISTS ${VENDISC_LIBARCHIVE_DIR}/ready)
  execute_process(COMMAND ${CMAKE_SOURCE_DIR}/tools/fetch-libarchive ${VENDISC_LIBARCHIVE_DIR}
                          ${CMAKE_TOOLCHAIN_FILE}
                  RESULT_VARIABLE fetch_result)
  if(NOT fetch_result EQUAL 0)
    message(FATAL_ERROR "libarchive could not be fetched and configured (tools/fetch-libarchive)")
  endif()
endif()
file(STRINGS ${VENDISC_LIBARCHIVE_DIR}/source-dir VENDISC_LIBARCHIVE_SOURCE)
set(VENDISC_LIBARCHIVE_LICENSE ${VENDISC_LIBARCHIVE_SOURCE}/COPYING)

set(libarchive_src ${VENDISC_LIBARCHIVE_SOURCE}/libarchive)
set(libarchive_files
    archive_acl.c archive_check_magic.c archive_entry.c archive_entry_sparse.c
    archive_entry_xattr.c archive_options.c archive_random.c archive_rb.c archive_string.c
    archive_string_sprintf.c archive_util.c archive_virtual.c archive_windows.c archive_write.c
    archive_write_add_filter_none.c archive_write_set_format_iso9660.c
    archive_write_set_options.c)
list(TRANSFORM libarchive_files PREPEND ${libarchive_src}/)
add_library(vendisc_libarchive STATIC ${libarchive_files})
target_include_directories(vendisc_libarchive SYSTEM PUBLIC ${libarchive_src})
target_include_directories(vendisc_libarchive PRIVATE ${VENDISC_LIBARCHIVE_DIR}/config)
target_compile_definitions(vendisc_libarchive PUBLIC LIBARCHIVE_STATIC PRIVATE HAVE_CONFIG_H)
# Not our code: its warnings are its maintainers' business.
target_compile_options(vendisc_libarchive PRIVATE -w)
set_source_files_properties(${libarchive_src}/archive_string.c PROPERTIES
                            COMPILE_OPTIONS "-include;${CMAKE_SOURCE_DIR}/cmake/libarchive_utf8.h")
target_link_libraries(vendisc_libarchive PUBLIC advapi32)
