# The Debian package: `cpack -G DEB` (or the package target) in the build folder gives
# tubrix_<version>_<arch>.deb with what `cmake --install` puts under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tubrix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Equipo Tubrix")
set(CPACK_PACKAGE_CONTACT "Equipo Tubrix <equipo@tubrix.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "structural check of buried pipes (ATV A 127, UNE 88.211-90)")
# Lines of the long description, each under 80 characters as Debian asks.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Tubrix checks one buried sewer or pressure pipe section, in a trench, under an"
    "embankment or in a trench under an embankment, by the ATV A 127 and"
    "UNE 88.211-90 rules: soil and traffic loads, pipe-soil stiffness, internal"
    "forces, stresses, deflection and buckling safety, with a verification table,"
    "a project file and a printed report. It also finds the valid catalogue pipes,"
    "sweeps an input and gives the admissible cover."
    "The user interface is in Spanish; tubrix-cli runs the same calculation from"
    "the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Libraries from dpkg-shlibdeps; the report's fonts (Liberation Serif, the metric twin of Times
# New Roman) and Qt's own Spanish translations (the standard dialogs' buttons) are read at run
# time, so no library names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n, libqpdf29")
include(CPack)
