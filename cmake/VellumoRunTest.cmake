# Runs one test executable in a fresh private home (invoked as `cmake -P` by ctest).
file(REMOVE_RECURSE "${HOME_DIR}")
file(MAKE_DIRECTORY "${HOME_DIR}/.config" "${HOME_DIR}/.local/share" "${HOME_DIR}/.cache"
     "${HOME_DIR}/.runtime")
file(CHMOD "${HOME_DIR}/.runtime" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
string(REPLACE "|" ";" args "${TEST_ARGS}")
if(KEYRING)
    # A session bus and secret store of the test's own, gone when the test ends.
    set(command dbus-run-session -- sh "${VELLUMO_SOURCE_DIR}/tests/support/with-keyring.sh"
        "${TEST_EXE}" ${args})
    set(bus)
else()
    # A bus address where nothing listens: no test reaches the desktop's session or secrets.
    set(command "${TEST_EXE}" ${args})
    set(bus "DBUS_SESSION_BUS_ADDRESS=unix:path=${HOME_DIR}/.runtime/no-session-bus")
endif()
execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env
        "HOME=${HOME_DIR}"
        "XDG_CONFIG_HOME=${HOME_DIR}/.config"
        "XDG_DATA_HOME=${HOME_DIR}/.local/share"
        "XDG_CACHE_HOME=${HOME_DIR}/.cache"
        "XDG_RUNTIME_DIR=${HOME_DIR}/.runtime"
        "QT_QPA_PLATFORM=offscreen"
        # The source texts, whatever language the machine speaks.
        "LANG=C.UTF-8" "LC_ALL=C.UTF-8" "LANGUAGE="
        "VELLUMO_BIN_DIR=${VELLUMO_BIN_DIR}"
        "VELLUMO_SOURCE_DIR=${VELLUMO_SOURCE_DIR}"
        "SANE_CONFIG_DIR=${VELLUMO_SOURCE_DIR}/tests/scan/sane"
        # Nothing leaves the machine: the update check and install report meet a closed port,
        # unless a test runs its own server.
        "VELLUMO_UPDATE_HOST=http://127.0.0.1:9"
        ${bus}
        ${command}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${TEST_EXE} failed: ${result}")
endif()
