# Installation and the Debian package: `cmake --install build` and `cpack -G DEB` in build/.
include(GNUInstallDirs)

install(TARGETS brenvik brenvik-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/brenvik.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/brenvik.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)

set(CPACK_PACKAGE_NAME brenvik)
set(CPACK_PACKAGE_VENDOR "Brenvik developers")
set(CPACK_PACKAGE_CONTACT "Brenvik developers <dev@brenvik.invalid>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Lab exercise on the resolving power of an imaging link")
set(CPACK_PACKAGE_DESCRIPTION
    "Two point light sources spread by a Gaussian point-spread function onto a coarse
sensor, white noise, a resolution trial every frame and the probability of resolution,
with parameter sweeps plotted on a graph, shown live in a 3-D OpenGL view. Includes
brenvik-cli, the same model without a window.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries it links: the fonts its forms name, software OpenGL where there is no
# other driver, and Qt's own translations (its dialogs and buttons in Russian). Qt's X11
# platform, on which the program runs in Wayland sessions through XWayland, comes with
# libqt6gui6, a linked library.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libgl1-mesa-dri, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xwayland")
include(CPack)
