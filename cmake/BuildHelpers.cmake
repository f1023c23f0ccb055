# tw_embed_resource(OUT_VAR SYMBOL FILES...): generates a C++ source defining
# `extern const char SYMBOL[]` with the files' bytes, rebuilt when one changes.
function(tw_embed_resource out_var symbol)
  set(output "${CMAKE_CURRENT_BINARY_DIR}/${symbol}.cpp")
  # "|" joins the list: an escaped ";" does not survive the command line.
  string(REPLACE ";" "|" inputs "${ARGN}")
  add_custom_command(
    OUTPUT "${output}"
    COMMAND ${CMAKE_COMMAND} "-DINPUTS=${inputs}" -DOUTPUT=${output} -DSYMBOL=${symbol}
            -P "${CMAKE_SOURCE_DIR}/cmake/EmbedFile.cmake"
    DEPENDS ${ARGN} "${CMAKE_SOURCE_DIR}/cmake/EmbedFile.cmake"
    VERBATIM)
  set(${out_var} "${output}" PARENT_SCOPE)
endfunction()

# tw_sources(VAR FOLDERS...): every .cpp of the folders and their subfolders
# but exports.cpp, which belongs to the shared library of that folder group.
function(tw_sources out)
  set(all)
  foreach(folder ${ARGN})
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
    list(FILTER sources EXCLUDE REGEX "/exports\\.cpp$")
    list(APPEND all ${sources})
  endforeach()
  set(${out} ${all} PARENT_SCOPE)
endfunction()
