# The Debian package (scripts/package.sh): cpack -G DEB in the build folder. Run-time dependencies
# of the program, the probe, our shared libraries and the inference library come from
# dpkg-shlibdeps; the ones loaded as plug-ins are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dovrix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Dovrix)
set(CPACK_PACKAGE_CONTACT "Dovrix developers <dev@dovrix.app>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "read-only PDF viewer with annotations and offline OCR")
set(CPACK_PACKAGE_DESCRIPTION "Dovrix is a desktop PDF viewer for long technical and scanned
documents that never writes the file it shows. It offers tabs, search,
annotations kept in a sidecar file, offline OCR of scanned pages, exports
and printing.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://dovrix.app/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads the window-system integration as a plug-in, which dpkg-shlibdeps cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The interface's Chinese source texts and the Chinese translations need a CJK font.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk")
include(CPack)
