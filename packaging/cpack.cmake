# The Debian package: cpack -G DEB in a build folder writes zelvo_<version>_<arch>.deb.
# Made from the release build (cmake --preset release); the program is stripped on the way.

set(CPACK_PACKAGE_NAME zelvo)
set(CPACK_PACKAGE_VENDOR "The Zelvo developers")
set(CPACK_PACKAGE_CONTACT "The Zelvo developers <maintainers@zelvo.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://zelvo.org/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "length converter bar for mm, Q, points, inches, pixels and twips")
set(CPACK_PACKAGE_DESCRIPTION
    "Zelvo is a slim, frameless, skinnable bar that converts a length between
millimetres, Q (0.25 mm), points, inches, pixels (at 96 ppi, 72 ppi or a
density you type) and twips. Type a number into one unit box, or an
expression with unit letters such as 10+5q into the expression box, and all
six units are shown, rounded to the number of decimals you chose.

The bar can stay on top of other windows, hides in the system tray and comes
back on a global hot key. Its interface is in Japanese.")

set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The bar's boxes and the dialogs are laid out for IPA Gothic.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-ipafont-gothic)
# "help" opens the HTML help through xdg-open and asks xdg-mime for a viewer.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# One package holding both components: the program's files (Unspecified) and the
# files only the Debian package has (deb), which a plain cmake --install leaves out.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL Unspecified deb)
include(CPack)
