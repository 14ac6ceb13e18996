# The installed layout and the Debian package (scripts/package.sh runs cpack -G DEB).
# Installed, the programs find their translations and help in <prefix>/share/zaro and
# keep settings in $XDG_CONFIG_HOME/zaro; zaro --demo finds zaro-sim in <prefix>/bin.
include(GNUInstallDirs)
install(TARGETS zaro zaro-cli zaro-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ZARO_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/zaro/translations)
install(DIRECTORY resources/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/zaro/help)
# The desktop file is named after the AppStream id, so that software centres match the
# two; the icon keeps its short name.
install(FILES resources/desktop/org.example.zaro.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/desktop/org.example.zaro.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES resources/desktop/zaro.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Manual pages and the changelog, compressed as Debian wants them (-n: no name or time
# stamp inside, so that rebuilds give the same bytes). A version without a Debian
# revision makes a native package, whose changelog is changelog.gz.
set(ZARO_DOC_BUILD_DIR ${CMAKE_BINARY_DIR}/doc)
configure_file(resources/debian/changelog.in ${ZARO_DOC_BUILD_DIR}/changelog @ONLY)
set(ZARO_COMPRESSED_DOCS ${ZARO_DOC_BUILD_DIR}/changelog.gz)
add_custom_command(OUTPUT ${ZARO_DOC_BUILD_DIR}/changelog.gz
  COMMAND gzip -9nkf changelog
  DEPENDS ${ZARO_DOC_BUILD_DIR}/changelog
  WORKING_DIRECTORY ${ZARO_DOC_BUILD_DIR} VERBATIM)
set(ZARO_MAN_PAGES ${CMAKE_SOURCE_DIR}/man/zaro.1 ${CMAKE_SOURCE_DIR}/man/zaro-cli.1
  ${CMAKE_SOURCE_DIR}/man/zaro-sim.1)
set(ZARO_MAN_GZ)
foreach(page ${ZARO_MAN_PAGES})
  get_filename_component(name ${page} NAME)
  add_custom_command(OUTPUT ${ZARO_DOC_BUILD_DIR}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${page} ${name}
    COMMAND gzip -9nf ${name}
    DEPENDS ${page}
    WORKING_DIRECTORY ${ZARO_DOC_BUILD_DIR} VERBATIM)
  list(APPEND ZARO_MAN_GZ ${ZARO_DOC_BUILD_DIR}/${name}.gz)
endforeach()
add_custom_target(zaro_docs ALL DEPENDS ${ZARO_MAN_GZ} ${ZARO_COMPRESSED_DOCS})
install(FILES ${ZARO_MAN_GZ} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES resources/debian/copyright ${ZARO_COMPRESSED_DOCS}
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zaro)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zaro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "ZARO developers <zaro@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Set up and read multifunction power meters")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Configuration, live values, loggers and RS-485 search for multifunction power\n meters over Modbus RTU and Modbus/TCP, through Netbiter gateways and LANMOD57\n modules; command-line tool zaro-cli and simulator zaro-sim.")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_STRIP_FILES ON) # built with debug information, shipped without
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # zaro_<version>_<arch>.deb
# Library dependencies come from dpkg-shlibdeps; the platform plugins and Qt's own
# translations (file and print dialogs, standard buttons) are loaded at run time, so no
# library link names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
include(CPack)
