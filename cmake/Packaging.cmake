# The installed layout and the Debian package (scripts/package.sh runs cpack -G DEB).
# Installed, the programs find their translations and help in <prefix>/share/zaro and
# keep settings in $XDG_CONFIG_HOME/zaro; zaro --demo finds zaro-sim in <prefix>/bin.
include(GNUInstallDirs)
install(TARGETS zaro zaro-cli zaro-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ZARO_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/zaro/translations)
install(DIRECTORY resources/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/zaro/help)
install(FILES resources/desktop/zaro.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/desktop/zaro.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zaro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "ZARO developers <zaro@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Set up and read multifunction power meters")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Configuration, live values and RS-485 search for multifunction power meters\n over Modbus RTU and Modbus/TCP; command-line tool zaro-cli and simulator zaro-sim.")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_STRIP_FILES ON) # built with debug information, shipped without
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # zaro_<version>_<arch>.deb
# Library dependencies come from dpkg-shlibdeps; the platform plugins and Qt's own
# translations (file and print dialogs, standard buttons) are loaded at run time, so no
# library link names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
include(CPack)
