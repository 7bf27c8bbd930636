#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it as a distribution would: the
# installed layout (unpacked with dpkg -x), the menu entry (desktop-file-validate), the AppStream
# metadata (appstreamcli), and lintian with no error and no warning.
#   scripts/check-package.sh BUILD_FOLDER
set -euo pipefail
build="$(realpath "${1:?usage: check-package.sh BUILD_FOLDER}")"
work="$(mktemp -d "${TMPDIR:-/tmp}/vellumo-package.XXXXXX")"
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work" >/dev/null)
deb="$(ls "$work"/vellumo_*_amd64.deb)"
dpkg -x "$deb" "$work/root"

status=0
for file in \
    usr/bin/vellumo usr/bin/vellumo-cli usr/libexec/vellumo/vellumo-pagetool \
    usr/libexec/vellumo/vellumo-ocr \
    usr/share/vellumo/locale/Vellumo_de.qm usr/share/vellumo/locale/Vellumo_ar.qm \
    usr/share/vellumo/locale/qtbase_de.qm \
    usr/share/applications/vellumo.desktop \
    usr/share/icons/hicolor/scalable/apps/vellumo.svg \
    usr/share/icons/hicolor/16x16/apps/vellumo.png \
    usr/share/icons/hicolor/256x256/apps/vellumo.png \
    usr/share/icons/hicolor/scalable/mimetypes/application-x-vellumo-project.svg \
    usr/share/mime/packages/vellumo.xml \
    usr/share/metainfo/io.github.vellumo.Vellumo.metainfo.xml \
    usr/share/man/man1/vellumo.1.gz usr/share/man/man1/vellumo-cli.1.gz \
    usr/share/bash-completion/completions/vellumo-cli; do
    [ -e "$work/root/$file" ] || { echo "missing in the package: /$file"; status=1; }
done
# The installed program starts: every library it links resolves from the package's dependencies.
[ -x "$work/root/usr/bin/vellumo" ] && "$work/root/usr/bin/vellumo" --version | grep -q '^vellumo ' ||
    { echo "the installed vellumo does not answer --version"; status=1; }
dpkg-deb -f "$deb" Depends | grep -q 'libqpdf' ||
    { echo "the package does not depend on the libraries it links"; status=1; }

desktop-file-validate "$work/root/usr/share/applications/vellumo.desktop" || status=1
appstreamcli validate --no-net --pedantic \
    "$work/root/usr/share/metainfo/io.github.vellumo.Vellumo.metainfo.xml" >"$work/appstream" ||
    { cat "$work/appstream"; status=1; }
lintian --fail-on error,warning "$deb" || status=1
exit "$status"
