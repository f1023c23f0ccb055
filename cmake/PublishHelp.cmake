# Publishes Tarvenwick's own help (docs/help) with twhost, the way an author
# publishes a project: the sources are copied to a work folder (the run
# writes its marker files beside the topic files), the site goes to OUT.
# Fails when the publish fails, finds a jump to an unknown topic or a broken
# link, or writes no context index.
#   cmake -DTWHOST=... -DSOURCE=docs/help -DWORK=... -DOUT=... -P PublishHelp.cmake
foreach(var TWHOST SOURCE WORK OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "PublishHelp.cmake needs -D${var}=...")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK} ${OUT})
file(MAKE_DIRECTORY ${WORK}/project ${WORK}/root)
file(GLOB sources ${SOURCE}/*.hpj ${SOURCE}/*.rtf ${SOURCE}/*.cnt ${SOURCE}/*.bmp)
file(COPY ${sources} DESTINATION ${WORK}/project)

execute_process(
  COMMAND ${CMAKE_COMMAND} -E env TARVENWICK_ROOT=${WORK}/root
          ${TWHOST} publish ${WORK}/project/trvwck.hpj --out ${OUT} --template modern.lfc
  RESULT_VARIABLE status
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors)
file(WRITE ${WORK}/publish.txt "${output}${errors}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "publishing the product help failed (${status}):\n${output}${errors}")
endif()
if(NOT output MATCHES " 0 jumps to unknown topics")
  message(FATAL_ERROR "the product help jumps to unknown topics:\n${output}")
endif()
if(NOT output MATCHES "link check: [0-9]+ local links, 0 broken")
  message(FATAL_ERROR "the product help has broken links:\n${output}")
endif()
if(NOT EXISTS ${OUT}/contexts.ini)
  message(FATAL_ERROR "the product help was published without its context index")
endif()
# The wizard project the publish made stays in the work folder.
file(GLOB wizard_files ${OUT}/*.lfc ${OUT}/*.lfh)
if(wizard_files)
  file(COPY ${wizard_files} DESTINATION ${WORK})
  file(REMOVE ${wizard_files})
endif()
