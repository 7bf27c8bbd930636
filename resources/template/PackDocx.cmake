# Packs the Word template's parts into a zip archive (run by the build as cmake -P):
#   cmake -DPARTS=<folder of parts> -DSTAGING=<scratch folder> -DOUTPUT=<zip> -P PackDocx.cmake
# The parts are copied to a scratch folder first so that the archive also holds the empty media
# folder, which version control cannot keep. The entries get a fixed time, so the same parts
# always give the same archive.
foreach(var PARTS STAGING OUTPUT)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "PackDocx.cmake: ${var} is not set")
    endif()
endforeach()

file(REMOVE_RECURSE "${STAGING}")
file(MAKE_DIRECTORY "${STAGING}")
file(COPY "${PARTS}/" DESTINATION "${STAGING}")
file(MAKE_DIRECTORY "${STAGING}/word/media")
file(REMOVE "${OUTPUT}")
# The content types part comes first, as consumers of the format expect.
execute_process(
    COMMAND "${CMAKE_COMMAND}" -E tar cf "${OUTPUT}" --format=zip "--mtime=2024-01-01 00:00:00 UTC"
        -- "[Content_Types].xml" _rels docProps word
    WORKING_DIRECTORY "${STAGING}"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "PackDocx.cmake: could not write ${OUTPUT}")
endif()
