# Builds the Debian package from this build folder's install rules, as
# "cpack -G DEB" does in a Release folder, and checks its contents and
# control fields against dati/pacchetto.tsv; then the pieces read from it:
# the manual page, the changelog, the icons, the desktop entry, the
# AppStream file.
# cmake -DCPACK=<cpack> -DBUILD=<build folder> -DDESTINO=<scratch folder>
#       -DVERSIONE=<version> -P pacchetto.cmake
# Without the Debian tools the package cannot be made: the test is skipped.
foreach(strumento dpkg-deb dpkg-shlibdeps file)
  find_program(trovato_${strumento} ${strumento})
  if(NOT trovato_${strumento})
    message(STATUS "Skipped: ${strumento} is missing (Debian packages dpkg, dpkg-dev, file)")
    return()
  endif()
endforeach()
if(NOT EXISTS "${CPACK}")
  message(STATUS "Skipped: cpack is missing")
  return()
endif()

file(REMOVE_RECURSE "${DESTINO}")
execute_process(COMMAND "${CPACK}" -G DEB --config "${BUILD}/CPackConfig.cmake" -B "${DESTINO}"
                RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE uscita)
if(NOT esito EQUAL 0)
  message(FATAL_ERROR "cpack -G DEB failed: ${esito}\n${uscita}")
endif()

# The name Debian gives a package file: name_version_architecture.deb.
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE arch OUTPUT_STRIP_TRAILING_WHITESPACE)
set(deb "${DESTINO}/vask2cad_${VERSIONE}_${arch}.deb")
if(NOT EXISTS "${deb}")
  file(GLOB fatti "${DESTINO}/*.deb")
  message(FATAL_ERROR "no ${deb}; cpack made: ${fatti}")
endif()

execute_process(COMMAND "${trovato_dpkg-deb}" -c "${deb}" OUTPUT_VARIABLE elenco RESULT_VARIABLE esito)
if(NOT esito EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -c: ${esito}")
endif()
# Every entry root's, and nothing writable but by root: what dpkg would install.
string(REPLACE "\n" ";" voci "${elenco}")
foreach(voce IN LISTS voci)
  if(voce AND NOT voce MATCHES "^(-rw-r--r--|-rwxr-xr-x|drwxr-xr-x) root/root ")
    message(FATAL_ERROR "owner or mode of: ${voce}")
  endif()
endforeach()

# The control archive: dpkg needs control, the md5sums let debsums check the files.
execute_process(COMMAND "${trovato_dpkg-deb}" -I "${deb}" OUTPUT_VARIABLE info)
foreach(membro control md5sums)
  if(NOT info MATCHES "[0-9]+ bytes, +[0-9]+ lines +${membro}")
    message(FATAL_ERROR "no ${membro} in the control archive:\n${info}")
  endif()
endforeach()

file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/dati/pacchetto.tsv" righe REGEX "^[^#]")
foreach(riga IN LISTS righe)
  string(REPLACE "\t" ";" celle "${riga}")
  list(GET celle 0 tipo)
  list(GET celle 1 nome)
  if(tipo STREQUAL "file")
    string(REGEX REPLACE "([.+])" "\\\\\\1" nomeesatto "${nome}")
    if(NOT elenco MATCHES " ${nomeesatto}\n")
      message(FATAL_ERROR "not in the package: ${nome}")
    endif()
  else()
    list(GET celle 2 atteso)
    execute_process(COMMAND "${trovato_dpkg-deb}" -f "${deb}" "${nome}" OUTPUT_VARIABLE valore)
    string(REGEX REPLACE "\n.*" "" primariga "${valore}")
    if(NOT primariga MATCHES "${atteso}")
      message(FATAL_ERROR "${nome}: \"${primariga}\" does not match ${atteso}")
    endif()
  endif()
endforeach()

# Besides its summary line, the description has a long part, each of its
# lines indented by one space as Debian wants it.
execute_process(COMMAND "${trovato_dpkg-deb}" -f "${deb}" Description OUTPUT_VARIABLE descrizione)
string(REGEX MATCHALL "\n [^\n]+" lunghe "${descrizione}")
list(LENGTH lunghe quante)
if(quante LESS 5)
  message(FATAL_ERROR "short description only:\n${descrizione}")
endif()

# The files as installed.
set(radice "${DESTINO}/radice")
execute_process(COMMAND "${trovato_dpkg-deb}" -x "${deb}" "${radice}" RESULT_VARIABLE esito)
if(NOT esito EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -x: ${esito}")
endif()

# The manual page: gzip without a name or time in the header, and the
# chapters and options it must describe.
file(READ "${radice}/usr/share/man/man1/vask2cad.1.gz" testa LIMIT 10 HEX)
if(NOT testa MATCHES "^1f8b08000000000002")
  message(FATAL_ERROR "the manual page is not gzip -n -9: ${testa}")
endif()
execute_process(COMMAND gzip -dc "${radice}/usr/share/man/man1/vask2cad.1.gz" OUTPUT_VARIABLE pagina)
function(contiene testo cosa)
  foreach(atteso IN LISTS ARGN)
    string(FIND "${testo}" "${atteso}" dove)
    if(dove EQUAL -1)
      message(FATAL_ERROR "${cosa} lacks ${atteso}")
    endif()
  endforeach()
endfunction()
contiene("${pagina}" "the manual page" ".TH VASK2CAD 1 " "Vask_2 cad ${VERSIONE}" ".SH NOME" ".SH SINOSSI"
         ".SH DESCRIZIONE" ".SH \"STATO D'USCITA\"" ".SH ESEMPI" ".SH FILE" "\\-\\-risultati" "\\-\\-relazione"
         "\\-\\-carico" "\\-\\-help" "\\-\\-version" "GUIDA.txt" "/usr/share/vask2cad/esempi")

# The changelog, as dpkg reads it: this version, and a date it accepts.
execute_process(COMMAND gzip -dc "${radice}/usr/share/doc/vask2cad/changelog.gz" OUTPUT_FILE "${DESTINO}/changelog")
execute_process(COMMAND dpkg-parsechangelog -l "${DESTINO}/changelog" -S Version
                OUTPUT_VARIABLE versionecambi ERROR_VARIABLE avvisi OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT versionecambi STREQUAL VERSIONE OR avvisi)
  message(FATAL_ERROR "changelog: version \"${versionecambi}\"\n${avvisi}")
endif()

# Each PNG icon is as large as the folder it lies in says (the width and
# height of its IHDR), or the icon theme would scale the wrong picture.
foreach(lato 16 32 48 64 128 256)
  file(READ "${radice}/usr/share/icons/hicolor/${lato}x${lato}/apps/vask2cad.png" ihdr OFFSET 16 LIMIT 8 HEX)
  math(EXPR esa "${lato} + 65536" OUTPUT_FORMAT HEXADECIMAL)
  string(SUBSTRING "${esa}" 3 4 esa)
  if(NOT ihdr STREQUAL "0000${esa}0000${esa}")
    message(FATAL_ERROR "the ${lato}x${lato} icon is ${ihdr}")
  endif()
endforeach()

# The AppStream file names the desktop entry that is in the package, and
# the version is the program's.
set(metainfo "${radice}/usr/share/metainfo/it.vask2cad.vask2cad.metainfo.xml")
file(READ "${metainfo}" testo)
contiene("${testo}" "the AppStream file" "<id>it.vask2cad.vask2cad</id>"
         "<launchable type=\"desktop-id\">vask2cad.desktop</launchable>" "<release version=\"${VERSIONE}\""
         "<content_rating type=\"oars-1.1\"/>" "schermata.png")

# The validators, where this machine has them (appstream, desktop-file-utils).
foreach(prova "appstreamcli;validate;--no-net;${metainfo}"
              "desktop-file-validate;${radice}/usr/share/applications/vask2cad.desktop")
  list(POP_FRONT prova programma)
  find_program(validatore_${programma} ${programma})
  if(NOT validatore_${programma})
    message(STATUS "${programma} is missing: not run")
    continue()
  endif()
  execute_process(COMMAND "${validatore_${programma}}" ${prova}
                  RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE uscita)
  if(NOT esito EQUAL 0)
    message(FATAL_ERROR "${programma} refuses it:\n${uscita}")
  endif()
endforeach()
file(REMOVE_RECURSE "${DESTINO}")
