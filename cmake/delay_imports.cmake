# vendisc_delay_load(TARGET DLL...): TARGET loads each DLL (user32, ole32...)
# the first time it calls into it instead of at start-up. Under Wine, merely
# loading the windowing DLLs costs a GUI program more than starting a process
# does; a starter that opens a file without showing a window never needs them.
#
# The delay-import libraries carry the import libraries' own names in a
# folder that only TARGET searches first, so every -l<dll> of its link line,
# the ones its libraries bring included, picks them up.
if(NOT TOOLCHAIN_PREFIX)
  set(TOOLCHAIN_PREFIX i686-w64-mingw32)
endif()
find_program(VENDISC_NM NAMES ${TOOLCHAIN_PREFIX}-nm REQUIRED)
find_program(VENDISC_DLLTOOL NAMES ${TOOLCHAIN_PREFIX}-dlltool REQUIRED)

function(vendisc_delay_load target)
  set(folder ${CMAKE_BINARY_DIR}/delay-imports/${target})
  file(MAKE_DIRECTORY ${folder})
  foreach(dll IN LISTS ARGN)
    find_library(VENDISC_IMPORT_${dll} ${dll} REQUIRED)
    set(lib ${folder}/lib${dll}.a)
    add_custom_command(
      OUTPUT ${lib}
      COMMAND ${CMAKE_SOURCE_DIR}/cmake/make-delay-lib.sh ${VENDISC_NM} ${VENDISC_DLLTOOL}
              ${VENDISC_IMPORT_${dll}} ${dll}.dll ${lib}
      DEPENDS ${CMAKE_SOURCE_DIR}/cmake/make-delay-lib.sh
      VERBATIM)
    list(APPEND libs ${lib})
  endforeach()
  add_custom_target(${target}_delay_imports DEPENDS ${libs})
  add_dependencies(${target} ${target}_delay_imports)
  target_link_directories(${target} BEFORE PRIVATE ${folder})
  # Relinked when a delay-import library changes.
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${libs})
endfunction()
