# What an installation adds around the program (the binary and its data are
# installed in src/): the desktop entry, the icon, the AppStream metainfo,
# the man page and the data's licences; and the .deb that `make package`
# builds from all of it, with its dependencies found by dpkg-shlibdeps.

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

# Man pages go compressed, without a time stamp, so that the package is the
# same from one build to the next.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/vespera.1.gz
  COMMAND sh -c "gzip -9n -c '${VESPERA_ESCRITORIO}/vespera.1' > '${CMAKE_BINARY_DIR}/vespera.1.gz'"
  DEPENDS ${VESPERA_ESCRITORIO}/vespera.1 VERBATIM)
add_custom_target(vespera_manual ALL DEPENDS ${CMAKE_BINARY_DIR}/vespera.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/vespera.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vespera)
set(CPACK_PACKAGE_CONTACT "Equipo de VESPERA <vespera@vespera.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop planetarium (Spanish interface)")
set(CPACK_PACKAGE_DESCRIPTION "VESPERA draws the sky seen from any place at any instant from 4713 B.C.
to 7999 A.D.: stars with their names, constellation figures, Messier and
deep-sky objects, the Sun, the Moon and the planets. The view is turned and
zoomed with an on-screen pad, time is stepped or animated, observing
situations are saved and the chart is printed. The interface is in Spanish.
`vespera --render` draws a chart into a PNG or PDF file without a display.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What dpkg-shlibdeps cannot see: the fonts the labels are drawn with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
include(CPack)
