# Builds the Debian package from this build folder's install rules, as
# "cpack -G DEB" does in a Release folder, and checks its contents, control
# fields and the texts its files must hold (the manual pages' chapters and
# options, the Italian beside the English of the desktop and AppStream files)
# against dati/pacchetto.tsv, then runs the validators (modes, changelog and
# icons are lintian's).
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

# A command that must succeed; what it writes goes to `uscita`.
macro(esegui)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE errori)
  if(NOT esito EQUAL 0)
    message(FATAL_ERROR "${ARGN}: ${esito}\n${uscita}${errori}")
  endif()
endmacro()

file(REMOVE_RECURSE "${DESTINO}")
esegui("${CPACK}" -G DEB --config "${BUILD}/CPackConfig.cmake" -B "${DESTINO}")
# The name Debian gives a package file: name_version_architecture.deb.
esegui(dpkg --print-architecture)
string(STRIP "${uscita}" arch)
set(deb "${DESTINO}/vask2cad_${VERSIONE}_${arch}.deb")
if(NOT EXISTS "${deb}")
  file(GLOB fatti "${DESTINO}/*.deb")
  message(FATAL_ERROR "no ${deb}; cpack made: ${fatti}")
endif()
set(radice "${DESTINO}/radice")  # the files as installed
esegui("${trovato_dpkg-deb}" -x "${deb}" "${radice}")
esegui("${trovato_dpkg-deb}" -c "${deb}")
set(elenco "${uscita}")

file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/dati/pacchetto.tsv" righe REGEX "^[^#]")
foreach(riga IN LISTS righe)
  string(REPLACE "\t" ";" celle "${riga}")
  list(GET celle 0 tipo)
  list(GET celle 1 nome)
  list(GET celle -1 atteso)
  if(tipo STREQUAL "file")
    string(REGEX REPLACE "([.+])" "\\\\\\1" nomeesatto "${nome}")
    if(NOT elenco MATCHES " ${nomeesatto}\n")
      message(FATAL_ERROR "not in the package: ${nome}")
    endif()
  elseif(tipo STREQUAL "testo")
    if(nome MATCHES "\\.gz$")  # the manual pages
      esegui(gzip -dc "${radice}/${nome}")
    else()
      file(READ "${radice}/${nome}" uscita)
    endif()
    string(CONFIGURE "${atteso}" atteso @ONLY)
    string(FIND "${uscita}" "${atteso}" dove)
    if(dove EQUAL -1)
      message(FATAL_ERROR "${nome} lacks ${atteso}")
    endif()
  else()
    esegui("${trovato_dpkg-deb}" -f "${deb}" "${nome}")
    string(REGEX REPLACE "\n.*" "" primariga "${uscita}")
    if(NOT primariga MATCHES "${atteso}")
      message(FATAL_ERROR "${nome}: \"${primariga}\" does not match ${atteso}")
    endif()
  endif()
endforeach()

# The validators, where this machine has them (appstream, desktop-file-utils).
foreach(prova "appstreamcli;validate;--no-net;${radice}/usr/share/metainfo/it.vask2cad.vask2cad.metainfo.xml"
              "desktop-file-validate;${radice}/usr/share/applications/vask2cad.desktop")
  list(POP_FRONT prova programma)
  find_program(validatore_${programma} ${programma})
  if(validatore_${programma})
    esegui("${validatore_${programma}}" ${prova})
  else()
    message(STATUS "${programma} is missing: not run")
  endif()
endforeach()
file(REMOVE_RECURSE "${DESTINO}")
