# Builds the Debian package from this build folder's install rules, as
# "cpack -G DEB" does in a Release folder, and checks its contents and
# control fields against dati/pacchetto.tsv, the texts its files must hold
# (the manual pages' chapters, the Italian beside the English of the desktop
# and AppStream files) and the validators (modes, changelog and icons are
# lintian's).
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

# The files as installed.
set(radice "${DESTINO}/radice")
execute_process(COMMAND "${trovato_dpkg-deb}" -x "${deb}" "${radice}" RESULT_VARIABLE esito)
if(NOT esito EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -x: ${esito}")
endif()

function(contiene testo cosa)
  foreach(atteso IN LISTS ARGN)
    string(FIND "${testo}" "${atteso}" dove)
    if(dove EQUAL -1)
      message(FATAL_ERROR "${cosa} lacks ${atteso}")
    endif()
  endforeach()
endfunction()

# A file of the package as text; the manual pages are compressed.
function(leggi percorso risultato)
  if(percorso MATCHES "\\.gz$")
    execute_process(COMMAND gzip -dc "${percorso}" OUTPUT_VARIABLE t RESULT_VARIABLE esito)
  else()
    file(READ "${percorso}" t)
    set(esito 0)
  endif()
  if(NOT esito EQUAL 0)
    message(FATAL_ERROR "cannot read ${percorso}")
  endif()
  set(${risultato} "${t}" PARENT_SCOPE)
endfunction()

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
  elseif(tipo STREQUAL "testo")
    list(GET celle 2 atteso)
    leggi("${radice}/${nome}" contenuto)
    contiene("${contenuto}" "${nome}" "${atteso}")
  else()
    list(GET celle 2 atteso)
    execute_process(COMMAND "${trovato_dpkg-deb}" -f "${deb}" "${nome}" OUTPUT_VARIABLE valore)
    string(REGEX REPLACE "\n.*" "" primariga "${valore}")
    if(NOT primariga MATCHES "${atteso}")
      message(FATAL_ERROR "${nome}: \"${primariga}\" does not match ${atteso}")
    endif()
  endif()
endforeach()

# Both manual pages, the English one and its Italian twin, have the version
# and every option; their chapters are rows of the table.
foreach(pagina man/man1 man/it/man1)
  leggi("${radice}/usr/share/${pagina}/vask2cad.1.gz" contenuto)
  contiene("${contenuto}" "${pagina}/vask2cad.1.gz" ".TH VASK2CAD 1 " "Vask_2 cad ${VERSIONE}" "\\-\\-risultati"
           "\\-\\-relazione" "\\-\\-carico" "\\-\\-lingua" "\\-\\-help" "\\-\\-version"
           "GUIDA.txt" "GUIDE.txt" "/usr/share/vask2cad/esempi" "LC_MESSAGES")
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
