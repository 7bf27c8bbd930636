# vellumo_add_test(<name> SOURCES <files...> [CORE] [KEYRING] [LIBS <targets...>]
#                  [TIMEOUT <seconds>])
#
# One QtTest executable per unit. CORE tests link only the widget-free core and its test helpers
# (and run with QTEST_GUILESS_MAIN); the others link the UI library and the dialog answerers.
# Each run starts with an empty private home folder and the XDG folders inside it, offscreen,
# so no test reaches a real user's pages, settings or secrets. A KEYRING test runs in a D-Bus
# session of its own with an unlocked secret store; the others see no session bus at all.
function(vellumo_add_test name)
    cmake_parse_arguments(ARG "CORE;KEYRING" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    if(ARG_CORE)
        set(support vellumo_test_support_core)
    else()
        set(support vellumo_test_support_ui)
    endif()
    target_link_libraries(${name} PRIVATE ${support})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    vellumo_test_unfold_paths(${name})
    if(VELLUMO_PCH)
        vellumo_test_pch_owner(owner ${support})
        target_precompile_headers(${name} REUSE_FROM ${owner})
        # Each test includes its own moc output, which leaves AUTOMOC's collection file empty;
        # with the precompiled headers it took seconds a test to compile.
        set_source_files_properties("${CMAKE_CURRENT_BINARY_DIR}/${name}_autogen/mocs_compilation.cpp"
            PROPERTIES GENERATED TRUE SKIP_PRECOMPILE_HEADERS ON)
    endif()
    vellumo_set_warnings(${name})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests/bin")
    set(keyring)
    if(ARG_KEYRING)
        set(keyring KEYRING)
    endif()
    vellumo_add_test_run(${name} ${name} ${keyring} TIMEOUT "${ARG_TIMEOUT}")
endfunction()

# vellumo_add_test_run(<executable> <run name> [KEYRING] [TIMEOUT <seconds>] [ARGS <args...>])
# One more run of a test executable, for example some of its functions without a secret store.
function(vellumo_add_test_run executable run)
    cmake_parse_arguments(ARG "KEYRING" "TIMEOUT" "ARGS" ${ARGN})
    if(ARG_KEYRING)
        set(keyring ON)
    else()
        set(keyring OFF)
    endif()
    string(REPLACE ";" "|" args "${ARG_ARGS}")
    add_test(NAME ${run}
        COMMAND ${CMAKE_COMMAND}
            -DHOME_DIR=${CMAKE_BINARY_DIR}/tests/home/${run}
            -DTEST_EXE=$<TARGET_FILE:${executable}>
            "-DTEST_ARGS=${args}"
            -DKEYRING=${keyring}
            -DVELLUMO_BIN_DIR=${VELLUMO_BIN_DIR}
            -DVELLUMO_SOURCE_DIR=${PROJECT_SOURCE_DIR}
            -P "${PROJECT_SOURCE_DIR}/cmake/VellumoRunTest.cmake")
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    set_tests_properties(${run} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
endfunction()

# vellumo_test_unfold_paths(<target>)
# QtTest defines the test's source and build folders as macros (for QFINDTESTDATA, which these
# tests do not use). Removed, every test compiles with the same macros, so all tests of one
# support library share a single precompiled header instead of one per folder: a large part of
# a clean build's time.
function(vellumo_test_unfold_paths target)
    target_compile_options(${target} PRIVATE -UQT_TESTCASE_BUILDDIR -UQT_TESTCASE_SOURCEDIR)
endfunction()

# vellumo_test_pch_owner(<out_var> <support library>)
# The target that precompiles the Qt headers for every test that links the given support
# library.
function(vellumo_test_pch_owner out_var support)
    set(owner vellumo_test_pch_${support})
    if(NOT TARGET ${owner})
        set(stub "${CMAKE_BINARY_DIR}/tests/${owner}.cpp")
        file(CONFIGURE OUTPUT "${stub}"
            CONTENT "// Owner of the precompiled Qt headers of the tests.\n")
        add_library(${owner} STATIC "${stub}")
        target_link_libraries(${owner} PRIVATE ${support} Qt6::Test)
        vellumo_set_warnings(${owner})
        vellumo_test_unfold_paths(${owner})
        if(support STREQUAL "vellumo_test_support_core")
            target_precompile_headers(${owner} PRIVATE <QtGui/QtGui> <QtTest/QtTest>)
        else()
            target_precompile_headers(${owner} PRIVATE <QtWidgets/QtWidgets> <QtTest/QtTest>)
        endif()
    endif()
    set(${out_var} ${owner} PARENT_SCOPE)
endfunction()
