# make deb: CPack's DEB generator over the installation above, into /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kastlog)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries' packages come from dpkg-shlibdeps; Qt's platform plugins (the window on
# the screen) and its SVG image plugin (the province map) are loaded at run time, so no
# library names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
# The toolkit's buttons in French, and the fixed-pitch face of the printed lists.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "logbook for the castle award (DNJ) / carnet de trafic des chateaux")
# The short description above, the long one here, English then French.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "KASTLOG is a logbook for radio amateurs who chase the castle award (DNJ):
each contact with a station operating from a castle is typed in field by
field and checked, a castle already worked in the same band group is
refused, and the award view gives the scores per band group, a map of the
provinces, the list of the castles worked, a search by call sign, province
or reference, and an ADIF export. Three windows show the DX cluster and the
award's pages in an embedded browser. The user interface is in French.
.
KASTLOG est un carnet de trafic pour les radioamateurs qui chassent le
diplome des chateaux (DNJ) : chaque contact avec une station operant depuis
un chateau est saisi champ par champ et verifie, un chateau deja contacte
dans le meme groupe de bandes est refuse, et la vue du diplome donne les
scores par groupe de bandes, la carte des provinces, la liste des chateaux
contactes, une recherche et un export ADIF.")
include(CPack)
