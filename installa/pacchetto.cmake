# The Debian package of the install rules above (cpack -G DEB in a Release
# build folder), with the changelog Debian wants beside the copyright.

# The changelog of a native package. Its newest entry is this version's,
# dated VASK_DATA_VERSIONE in the form Debian wants.
include(${CMAKE_CURRENT_LIST_DIR}/data_debian.cmake)
vask_data_debian(${VASK_DATA_VERSIONE} VASK_DATA_CHANGELOG)

set(VASK_MANUTENTORE "Gli autori di Vask_2 cad <info@vask2cad.it>"
    CACHE STRING "The Maintainer field of the Debian package and its changelog")
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${PROJECT_BINARY_DIR}/installa/changelog @ONLY)
add_custom_command(
  OUTPUT ${PROJECT_BINARY_DIR}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_BINARY_DIR}/installa/changelog ${PROJECT_BINARY_DIR}/changelog
  COMMAND ${VASK_GZIP} -n -9 -f ${PROJECT_BINARY_DIR}/changelog
  DEPENDS ${PROJECT_BINARY_DIR}/installa/changelog
  COMMENT "Compressing the changelog"
  VERBATIM)
add_custom_target(changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/vask2cad)

set(CPACK_PACKAGE_NAME vask2cad)
set(CPACK_PACKAGE_VENDOR "Gli autori di Vask_2 cad")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION [[
Vask_2 cad è un programma didattico per la geometria delle masse. Lo
studente compone una sezione piana con al massimo 5 rettangoli, 5 triangoli
e 5 cerchi, ciascuno con la sua densità (una densità negativa fa un foro),
traccia le linee di chiusura intorno alla sezione e preme Eseg.

Il programma calcola area, massa, baricentro, momenti e prodotto di
inerzia, momenti centrali, raggi giratori e angolo degli assi centrali, e
disegna gli assi centrali, l'ellisse centrale di inerzia e il nocciolo
centrale; con un carico eccentrico, l'asse neutro e le tensioni estreme.

Le sezioni si salvano in file .vask; la relazione di calcolo, con il
cerchio di Mohr, si stampa o si esporta, e dalla riga di comando
(--risultati, --relazione, --carico) il programma scrive i risultati senza
aprire finestre. L'interfaccia e la guida sono in italiano e in inglese.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VASK_MANUTENTORE}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugin at run time, where dpkg-shlibdeps cannot see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
