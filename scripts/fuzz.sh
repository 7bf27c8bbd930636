#!/usr/bin/env bash
# Fuzzes one parser with libFuzzer for a number of seconds:
#   scripts/fuzz.sh [seconds] [dib|headers|archive|pdf]
# dib (the default): the scanned-page bitmap decoder, from a few valid bitmaps of every format.
# headers: the page-image header readers (JPEG frame and density, TIFF resolution tags), from a
# few small JPEG and TIFF files made with ImageMagick.
# archive: the project-archive reader (opening a project), from two small project files.
# pdf: the PDF image walker and decoder (vellumo-cli extract without its external decoders),
# from small PDF files of JPEG, Flate, fax and encrypted images made with img2pdf, tiff2pdf
# and qpdf.
# Builds with clang in its own folder (VELLUMO_FUZZ_BUILD_DIR, default build-fuzz) and keeps the
# grown corpus between runs. Inputs that crash land in <build>/fuzz/<target>/findings; the run's
# log is in that folder's fuzz-0.log.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VELLUMO_FUZZ_BUILD_DIR:-$root/build-fuzz}"
seconds="${1:-600}"
target="${2:-dib}"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DVELLUMO_FUZZ=ON \
    -DVELLUMO_BUILD_TESTS=OFF >/dev/null

maxlen=4096
case "$target" in
    dib)
        cmake --build "$build" --target fuzz_dib dib_seeds
        work="$build/fuzz"
        program="$build/bin/fuzz_dib"
        mkdir -p "$work/seeds"
        "$build/bin/dib_seeds" "$work/seeds"
        ;;
    headers)
        cmake --build "$build" --target fuzz_image_headers
        work="$build/fuzz/headers"
        program="$build/bin/fuzz_image_headers"
        mkdir -p "$work/seeds"
        convert -size 16x12 gradient:white-black -density 300 -units PixelsPerInch \
            "$work/seeds/inch.jpg"
        convert -size 16x12 gradient:red-blue -density 118 -units PixelsPerCentimeter \
            -interlace JPEG "$work/seeds/centimetre-progressive.jpg"
        convert -size 16x12 gradient:white-black -colorspace CMYK "$work/seeds/cmyk.jpg"
        convert -size 16x12 gradient:white-black -density 200 -units PixelsPerInch \
            "$work/seeds/little-endian.tiff"
        convert -size 16x12 gradient:white-black -density 80 -units PixelsPerCentimeter \
            -endian MSB "$work/seeds/big-endian.tiff"
        ;;
    archive)
        cmake --build "$build" --target fuzz_project_archive
        work="$build/fuzz/archive"
        program="$build/bin/fuzz_project_archive"
        mkdir -p "$work/seeds"
        # A real project of two pages (one JPEG, one 1-bit TIFF), and one with a stored entry.
        seedpages="$(mktemp -d)"
        convert -size 64x48 gradient:white-black "$seedpages/00000001_o.jpg"
        cp "$seedpages/00000001_o.jpg" "$seedpages/00000001_w.jpg"
        convert -size 40x30 gradient:white-black "$seedpages/00000001_s.jpg"
        convert -size 64x48 pattern:checkerboard -monochrome "$seedpages/00000002_o.tiff"
        (cd "$seedpages" && zip -q -9 "$work/seeds/two-pages.vlmpj" ./* &&
            zip -q -0 "$work/seeds/stored.vlmpj" 00000001_o.jpg 00000001_s.jpg)
        rm -rf "$seedpages"
        maxlen=65536
        ;;
    pdf)
        cmake --build "$build" --target fuzz_pdf_images -j 1
        work="$build/fuzz/pdf"
        program="$build/bin/fuzz_pdf_images"
        mkdir -p "$work/seeds"
        seedfiles="$(mktemp -d)"
        convert -size 16x12 gradient:white-black -density 150 -units PixelsPerInch \
            "$seedfiles/grey.jpg"
        convert -size 16x12 gradient:red-blue "$seedfiles/colour.png"
        convert -size 16x12 gradient:red-blue -colorspace CMYK "$seedfiles/cmyk.jpg"
        convert -size 24x16 pattern:checkerboard -monochrome -compress Group4 \
            "$seedfiles/fax.tiff"
        img2pdf "$seedfiles/grey.jpg" "$seedfiles/colour.png" -o "$work/seeds/jpeg-png.pdf"
        img2pdf "$seedfiles/cmyk.jpg" -o "$work/seeds/cmyk.pdf"
        tiff2pdf -o "$work/seeds/fax.pdf" "$seedfiles/fax.tiff"
        # The same files with object streams, and encrypted (RC4) without a user password.
        qpdf --object-streams=generate "$work/seeds/jpeg-png.pdf" "$work/seeds/objstm.pdf"
        qpdf --allow-weak-crypto --encrypt "" owner 128 --use-aes=n -- \
            "$work/seeds/fax.pdf" "$work/seeds/rc4.pdf"
        rm -rf "$seedfiles"
        # PoDoFo (the system's library) leaks on some broken files, also the zlib state of a
        # Flate stream it gives up on (our one inflateInit is always ended, in the same
        # function); OpenSSL's providers, loaded once for RC4, stay to the end. Only leaks of
        # ours count.
        printf 'leak:libpodofo.so\nleak:inflateInit2_\nleak:libcrypto.so\n' >"$work/leaks.supp"
        export LSAN_OPTIONS="suppressions=$work/leaks.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
        maxlen=16384
        ;;
    *)
        echo "usage: scripts/fuzz.sh [seconds] [dib|headers|archive|pdf]" >&2
        exit 2
        ;;
esac

mkdir -p "$work/corpus" "$work/findings"
# One job and one worker: the machines that run this are shared.
cd "$work/findings"
status=0
"$program" -max_total_time="$seconds" -max_len="$maxlen" -jobs=1 -workers=1 \
    -print_final_stats=1 -artifact_prefix="$work/findings/" "$work/corpus" "$work/seeds" \
    || status=$?
tail -n 25 "$work/findings/fuzz-0.log"
exit "$status"
