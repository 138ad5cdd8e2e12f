# What an installation adds around the program (the binary and its data are
# installed in src/): the desktop entry, the icon, the AppStream metainfo,
# the man page, the changelog, the copyright file and the data's licences;
# and the .deb that `make package` builds from all of it, with its
# dependencies found by dpkg-shlibdeps.

set(VESPERA_ESCRITORIO ${PROJECT_SOURCE_DIR}/data/instalacion)
set(VESPERA_ID example.vespera.vespera)  # the metainfo's <id>

install(FILES ${VESPERA_ESCRITORIO}/vespera.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VESPERA_ESCRITORIO}/vespera.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        RENAME ${VESPERA_ID}.metainfo.xml)
install(FILES ${VESPERA_ESCRITORIO}/vespera.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(lado 16 24 32 48 64 128 256)
  install(FILES ${VESPERA_ESCRITORIO}/iconos/${lado}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lado}x${lado}/apps RENAME vespera.png)
endforeach()
file(GLOB VESPERA_LICENCIAS ${PROJECT_SOURCE_DIR}/data/fuentes/LICENCIA-*.txt)
install(FILES ${VESPERA_LICENCIAS} DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The package's copyright file, in Debian's machine-readable format: the
# program's licence and, file by file, the data's.
install(FILES ${VESPERA_ESCRITORIO}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The man page and the changelog go compressed, without a time stamp, so
# that the package is the same from one build to the next. The package's
# version has no Debian revision (it is built from the program's own tree),
# so Debian calls it native and its changelog is changelog.gz, not
# changelog.Debian.gz.
function(vespera_comprimido origen destino)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${destino}
    COMMAND sh -c "gzip -9n -c '${origen}' > '${CMAKE_BINARY_DIR}/${destino}'"
    DEPENDS ${origen} VERBATIM)
endfunction()
vespera_comprimido(${VESPERA_ESCRITORIO}/vespera.1 vespera.1.gz)
vespera_comprimido(${VESPERA_ESCRITORIO}/changelog changelog.gz)
add_custom_target(vespera_comprimidos ALL DEPENDS ${CMAKE_BINARY_DIR}/vespera.1.gz ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/vespera.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vespera)
set(CPACK_PACKAGE_CONTACT "Equipo de VESPERA <vespera@vespera.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop planetarium (Spanish interface)")
set(CPACK_PACKAGE_DESCRIPTION "VESPERA draws the sky seen from any place at any instant from 4713 B.C.
to 7999 A.D.: stars with their names, constellation figures, Messier and
deep-sky objects, the Sun, the Moon and the planets. The view is turned and
zoomed with an on-screen pad, time is stepped or animated, observing
situations are saved and the chart is printed. The interface is in Spanish.
`vespera --render` draws a chart into a PNG, SVG or PDF file without a
display, and `vespera --rise-set` prints an object's rise, culmination and
set.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What dpkg-shlibdeps cannot see: the fonts the labels are drawn with, Qt's
# own texts in Spanish, libcups, which the program opens when it prints, and
# the time-zone database that a city's local time follows.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, qt6-translations-l10n, libcups2 (>= 2.3), tzdata")
set(CPACK_STRIP_FILES ON)
include(CPack)
