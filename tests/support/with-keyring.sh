#!/bin/sh
# Runs a test with an unlocked secret store of its own: started inside dbus-run-session, so the
# store and its bus end with the test. The keyring files go to the test's private data folder.
set -e
eval "$(printf 'vellumo-tests' | gnome-keyring-daemon --unlock --components=secrets)"
export VELLUMO_TEST_SECRET_STORE=1
exec "$@"
