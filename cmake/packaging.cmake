# Installation and the Debian package: `cmake --install build` and `cpack -G DEB` in build/.
include(GNUInstallDirs)

set(packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
set(package_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/brenvik)
set(man1_dir ${CMAKE_INSTALL_MANDIR}/man1)

install(TARGETS brenvik brenvik-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The desktop entry and the AppStream metadata, named by the id and filled in with it.
configure_file(${PROJECT_SOURCE_DIR}/resources/brenvik.desktop.in ${BRENVIK_APP_ID}.desktop @ONLY)
configure_file(${packaging_dir}/brenvik.metainfo.xml.in ${BRENVIK_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${BRENVIK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${BRENVIK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/scalable.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${BRENVIK_APP_ID}.svg)
foreach(size IN LISTS BRENVIK_ICON_SIZES)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${BRENVIK_APP_ID}.png)
endforeach()
install(FILES ${packaging_dir}/brenvik-cli.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME brenvik-cli)
install(FILES ${packaging_dir}/copyright DESTINATION ${package_doc_dir})

# Compressed as Debian wants them: at the highest level, without a name or a time stamp.
find_program(BRENVIK_GZIP gzip REQUIRED)
function(brenvik_gzip source target)
    add_custom_command(OUTPUT ${target} COMMAND ${BRENVIK_GZIP} -9nc ${source} > ${target}
                       DEPENDS ${source} VERBATIM)
endfunction()

# brenvik-cli's page comes from its help texts at build time (help2man), so the two agree.
find_program(BRENVIK_HELP2MAN help2man REQUIRED)
set(cli_page ${CMAKE_CURRENT_BINARY_DIR}/man/brenvik-cli.1)
add_custom_command(
    OUTPUT ${cli_page}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
    COMMAND ${packaging_dir}/make_cli_manpage.sh ${cli_page} ${packaging_dir}/brenvik-cli.h2m
            ${PROJECT_VERSION} ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:brenvik-cli>
    DEPENDS brenvik-cli ${packaging_dir}/make_cli_manpage.sh ${packaging_dir}/brenvik-cli.h2m
    VERBATIM)
brenvik_gzip(${cli_page} ${cli_page}.gz)
brenvik_gzip(${packaging_dir}/brenvik.1 ${CMAKE_CURRENT_BINARY_DIR}/man/brenvik.1.gz)
brenvik_gzip(${packaging_dir}/changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_custom_target(brenvik_package_files ALL
    DEPENDS ${cli_page}.gz ${CMAKE_CURRENT_BINARY_DIR}/man/brenvik.1.gz ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
install(FILES ${cli_page}.gz ${CMAKE_CURRENT_BINARY_DIR}/man/brenvik.1.gz DESTINATION ${man1_dir})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${package_doc_dir})

set(CPACK_PACKAGE_NAME brenvik)
set(CPACK_PACKAGE_VENDOR "Brenvik developers")
set(CPACK_PACKAGE_CONTACT "Brenvik developers <dev@brenvik.invalid>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Lab exercise on the resolving power of an imaging link")
# Lines under 80 columns, as Debian's tools show them on a terminal.
set(CPACK_PACKAGE_DESCRIPTION
    "Two point light sources spread by a Gaussian point-spread function onto a
coarse sensor, white noise, a resolution trial every frame and the probability
of resolution, shown live in a 3-D OpenGL view, with parameter sweeps plotted
on a graph and a map of the exact probability over the sources' separation
against the noise level or the threshold. The interface is in Russian and
English.
Includes brenvik-cli, the same model without a window, for lab reports and
scripts, whose commands print CSV: trials, sweep, expected (the exact
probability), map (that probability over the map's grid) and limit (where
it passes a given level, row by row).")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# A cross build is packaged for the processor it was built for (CPack would take the build
# machine's); dpkg-shlibdeps then reads that architecture's libraries from their multiarch
# folders, so the dependencies are the ones its own Qt and C libraries name.
if(CMAKE_CROSSCOMPILING AND CMAKE_SYSTEM_NAME STREQUAL "Linux"
   AND CMAKE_SYSTEM_PROCESSOR MATCHES "^(aarch64|arm64)$")
    set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
endif()
# Beyond the libraries it links: the fonts its forms name, software OpenGL where there is no
# other driver, and Qt's own translations (its dialogs and buttons in Russian). Qt's X11
# platform, on which the program runs in Wayland sessions through XWayland, comes with
# libqt6gui6, a linked library.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libgl1-mesa-dri, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xwayland")
include(CPack)
