# The include check runs with every build that changed a source, and a
# refused include fails the build (rules in cmake/IncludeRules.cmake).
file(GLOB tw_top_entries RELATIVE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/*)
set(tw_checked_sources)
foreach(top ${tw_top_entries})
  if(IS_DIRECTORY ${CMAKE_SOURCE_DIR}/${top} AND NOT top MATCHES "^(\\.|build)"
     AND NOT EXISTS ${CMAKE_SOURCE_DIR}/${top}/CMakeCache.txt)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
         ${CMAKE_SOURCE_DIR}/${top}/*.h ${CMAKE_SOURCE_DIR}/${top}/*.c ${CMAKE_SOURCE_DIR}/${top}/*.cpp)
    list(APPEND tw_checked_sources ${found})
  endif()
endforeach()
set(tw_include_stamp ${CMAKE_BINARY_DIR}/include_check.stamp)
add_custom_command(
  OUTPUT ${tw_include_stamp}
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DSTAMP=${tw_include_stamp}
          -P ${CMAKE_SOURCE_DIR}/cmake/CheckIncludes.cmake
  DEPENDS ${tw_checked_sources} ${CMAKE_SOURCE_DIR}/cmake/CheckIncludes.cmake
          ${CMAKE_SOURCE_DIR}/cmake/IncludeRules.cmake
  COMMENT "Checking the includes of every layer"
  VERBATIM)
add_custom_target(include_check ALL DEPENDS ${tw_include_stamp})
