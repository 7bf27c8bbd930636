# vellumo_add_test(<name> SOURCES <files...> [CORE] [LIBS <targets...>] [TIMEOUT <seconds>])
#
# One QtTest executable per unit. CORE tests link only the widget-free core and its test helpers
# (and run with QTEST_GUILESS_MAIN); the others link the UI library and the dialog answerers.
# Each run starts with an empty private home folder and the XDG folders inside it, offscreen,
# so no test reaches a real user's pages or settings.
function(vellumo_add_test name)
    cmake_parse_arguments(ARG "CORE" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    if(ARG_CORE)
        target_link_libraries(${name} PRIVATE vellumo_test_support_core)
    else()
        target_link_libraries(${name} PRIVATE vellumo_test_support_ui)
    endif()
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    vellumo_set_warnings(${name})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests/bin")
    add_test(NAME ${name}
        COMMAND ${CMAKE_COMMAND}
            -DHOME_DIR=${CMAKE_BINARY_DIR}/tests/home/${name}
            -DTEST_EXE=$<TARGET_FILE:${name}>
            -DVELLUMO_BIN_DIR=${VELLUMO_BIN_DIR}
            -DVELLUMO_SOURCE_DIR=${PROJECT_SOURCE_DIR}
            -P "${PROJECT_SOURCE_DIR}/cmake/VellumoRunTest.cmake")
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
endfunction()
