# Test script: the translations are complete for the sources as they are now. Writes lupdate's
# project file for the sources (as the update_translations target does), then runs
# scripts/check-translations.py over copies of the .ts files.
#   cmake -DPROJECT_IN=... -DPROJECT_JSON=... -DGENERATOR=... -DPYTHON=... -DCHECKER=...
#         -DLUPDATE=... -DLRELEASE=... -P VellumoCheckTranslations.cmake
execute_process(COMMAND "${CMAKE_COMMAND}" -DIN_FILE=${PROJECT_IN} -DOUT_FILE=${PROJECT_JSON}
    -P "${GENERATOR}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "could not write lupdate's project file")
endif()
execute_process(COMMAND "${PYTHON}" "${CHECKER}" --lupdate "${LUPDATE}" --project "${PROJECT_JSON}"
    --lrelease "${LRELEASE}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the translations are not complete")
endif()
