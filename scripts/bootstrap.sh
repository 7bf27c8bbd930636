#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Vellumo needs.
# Safe to run again: when everything is present it prints nothing and touches nothing.
set -euo pipefail

packages=(
    # toolchain
    build-essential cmake ninja-build pkg-config git clang-format
    # Qt 6: widgets, printing, network, XML, SVG, translations, TIFF and other image plug-ins
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    qt6-svg-dev qt6-image-formats-plugins qt6-translations-l10n qt6-5compat-dev
    libgl-dev libxkbcommon-dev
    # PDF, zip archives, page image processing, scanning, OpenSSL providers
    libpodofo-dev libquazip1-qt6-dev libleptonica-dev libsane-dev sane-utils libssl-dev
    # Group 4 fax data in memory (checked, wrapped as TIFF); drawing PDF pages without images
    libtiff-dev libpoppler-qt6-dev libqpdf-dev
    # the desktop's secret store (kept PDF password): the library and its Secret Service backend
    qtkeychain-qt6-dev libsecret-1-0
    # external tools run by the program: DjVu encoders, fax and JBIG2 decoders
    djvulibre-bin libtiff-tools jbig2dec
    # text recognition and page orientation: Tesseract's library, its orientation data, the
    # English, German and Russian languages; the names of languages in every interface language
    libtesseract-dev tesseract-ocr-osd tesseract-ocr-eng tesseract-ocr-deu tesseract-ocr-rus
    iso-codes
    # icons and flags compiled into the program's resources
    breeze-icon-theme famfamfam-flag-png
    # fonts for a readable interface on a bare machine
    fonts-dejavu-core
    # tests and benchmarks: the translation check (python3), virtual X server, screenshots,
    # PDF checkers, reference JPEG encoder, reference page processor, reference images-to-PDF
    # tool, peak memory of a program, a reader of Word documents (turns the exported .docx into
    # PDF), a private session bus with a secret store for the tests of the kept password, and
    # the package's checkers (desktop file, AppStream, lintian, dpkg-shlibdeps)
    dbus-daemon gnome-keyring
    desktop-file-utils appstream lintian dpkg-dev
    python3 xvfb xauth imagemagick poppler-utils qpdf libjpeg-turbo-progs zip unzip unpaper img2pdf time
    # the recognition benchmark's reference: Tesseract's own command-line program
    tesseract-ocr
    libreoffice-writer-nogui
    # the documentation's screens (scripts/screens.sh): a window manager for real title bars
    # and the X property reader that sees it start
    openbox x11-utils
    # fuzzing the scanned-page decoder (scripts/fuzz.sh): clang with libFuzzer's runtime
    clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
