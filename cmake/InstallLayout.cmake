# Where an installation puts things, relative to the prefix. twhost finds the
# rest of the installation from its own folder with these, so an installed tree
# can move as a whole.
set(TW_DATADIR "${CMAKE_INSTALL_DATADIR}/tarvenwick")
set(TW_DOCDIR "${CMAKE_INSTALL_DATADIR}/doc/tarvenwick")
# The platform library, used only by our own programs and libraries.
set(TW_PRIVATE_LIBDIR "${CMAKE_INSTALL_LIBDIR}/tarvenwick")
# The stand-ins for outside programs (hcw.exe, hc.exe ...): the installation's
# program folder, kept out of the user's PATH.
set(TW_PROGRAMDIR "${TW_PRIVATE_LIBDIR}/bin")
# The build tree's program folder for the same stand-ins.
set(TW_BUILD_PROGRAMDIR "${CMAKE_BINARY_DIR}/bin")

set(TW_GENERATED_INCLUDE "${CMAKE_BINARY_DIR}/generated/include")

# RUNPATH entries ("$ORIGIN/...") from one installed folder to others.
function(tw_origin_rpath out from)
  set(entries)
  foreach(to ${ARGN})
    file(RELATIVE_PATH rel "/${from}" "/${to}")
    if(rel STREQUAL "")
      list(APPEND entries "$ORIGIN")
    else()
      list(APPEND entries "$ORIGIN/${rel}")
    endif()
  endforeach()
  set(${out} "${entries}" PARENT_SCOPE)
endfunction()

# A public shared library: hidden internals, calls inside it bound to it, the
# project version, and its platform library found in the private folder.
function(tw_public_library target)
  set_target_properties(${target} PROPERTIES
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
    VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
  target_link_options(${target} PRIVATE -Wl,-Bsymbolic -Wl,--exclude-libs,ALL)
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR}/include ${TW_GENERATED_INCLUDE})
  tw_origin_rpath(rpath ${CMAKE_INSTALL_LIBDIR} ${TW_PRIVATE_LIBDIR})
  set_target_properties(${target} PROPERTIES INSTALL_RPATH "${rpath}")
endfunction()
