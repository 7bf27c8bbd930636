# The Debian package: vellumo_<version>_amd64.deb, built by scripts/package.sh (cpack -G DEB).
# Library dependencies are found by dpkg-shlibdeps; the programs Vellumo starts and the Qt
# plug-ins it loads are named here.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "vellumo")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Leafkin")
set(CPACK_PACKAGE_CONTACT "Vellumo developers <vellumo@leafkin.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "document scanner: paper to PDF, DjVu, Word and images")
set(CPACK_PACKAGE_DESCRIPTION
    "Vellumo scans pages one at a time, from a document feeder, or a book spread by
 spread on a timer, and imports images and the images inside PDF files. Pages
 can be turned, deskewed, cropped, split and lightened, and are saved as PDF
 (new, appended, password-protected or searchable by their recognised text),
 image files, Word documents or DjVu, or printed. The page list is kept as a
 project and survives a crash.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_SECTION "graphics")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vellumo.leafkin.com")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "djvulibre-bin, libtiff-tools, jbig2dec, qt6-image-formats-plugins, libqt6svg6, tesseract-ocr-eng, tesseract-ocr-osd, iso-codes")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "sane-airscan, sane-utils")
# More recognition languages: one package each, or all of them at once.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "unpaper, tesseract-ocr-all")
set(CPACK_STRIP_FILES ON)
include(CPack)
