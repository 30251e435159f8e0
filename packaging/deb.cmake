# make deb: CPack's DEB generator over the installation above, into /usr. Maintainer,
# section, relations and description are debian/control's (control.cmake), as in the
# package debhelper makes (make debian-package).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kastlog)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
kastlog_control_field(CPACK_DEBIAN_PACKAGE_SECTION Section)
kastlog_control_field(CPACK_DEBIAN_PACKAGE_PRIORITY Priority)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The files are stripped by debfiles.cmake, which keeps their debug symbols in
# kastlog-dbgsym (a .ddeb beside the package).
set(CPACK_STRIP_FILES OFF)
kastlog_control_description(CPACK_PACKAGE_DESCRIPTION_SUMMARY CPACK_DEBIAN_PACKAGE_DESCRIPTION)

# Depends and Recommends: debian/control's packages, and those of the libraries the program
# and its modules link, which dpkg-shlibdeps finds when cpack runs (debfiles.cmake). The
# browser module's are recommended only: Qt WebEngine is large, and the web windows say
# when it is missing. Qt's SVG image plugin, which draws the map, is named in
# debian/control: no library links it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
kastlog_control_packages(CPACK_KASTLOG_DEPENDS Depends)
kastlog_control_packages(CPACK_KASTLOG_RECOMMENDS Recommends)
set(CPACK_KASTLOG_RECOMMENDED_MODULES libkastlog_webengine.so)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/debfiles.cmake)
include(CPack)
