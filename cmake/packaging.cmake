# Installation where a desktop finds the program (cmake --install build [--prefix DIR]) and the
# Debian package of it (cd build && cpack -G DEB).
include(GNUInstallDirs)

install(TARGETS Ravelta ravelta-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/ravelta.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/ravelta.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/ui/icons/ravelta.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/ravelta-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ravelta.xml)
# The toolkit's Ukrainian texts beside the program, which loads them when Qt's own are missing.
set(RV_QT_TRANSLATIONS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}")
if(EXISTS ${RV_QT_TRANSLATIONS}/qtbase_uk.qm)
    install(FILES ${RV_QT_TRANSLATIONS}/qtbase_uk.qm
            DESTINATION ${CMAKE_INSTALL_DATADIR}/ravelta/translations)
endif()

set(CPACK_PACKAGE_NAME ravelta)
set(CPACK_PACKAGE_VENDOR "Ravelta")
set(CPACK_PACKAGE_CONTACT "Ravelta <ravelta@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Estimates the Ukrainian solidarity-system old-age pension (Law No. 1058-IV)")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's platform plugins live apart from the libraries dpkg-shlibdeps sees.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
