# Installs the build into a scratch prefix and checks that everything a
# desktop needs lands where it looks for it: each row of dati/installazione.tsv
# an installed file and a piece of text it must hold, if any. (The validators
# are the package's test's, on the same files.)
# cmake -DBUILD=<build folder> -DPREFIX=<scratch folder> -DVERSIONE=<version> -P installazione.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE esito OUTPUT_QUIET)
if(NOT esito EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${esito}")
endif()

file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/dati/installazione.tsv" righe REGEX "^[^#]")
foreach(riga IN LISTS righe)
  string(FIND "${riga}" "\t" tab)
  string(SUBSTRING "${riga}" 0 ${tab} f)
  if(NOT EXISTS "${PREFIX}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  elseif(tab GREATER -1)
    math(EXPR dopo "${tab} + 1")
    string(SUBSTRING "${riga}" ${dopo} -1 atteso)
    file(READ "${PREFIX}/${f}" testo)
    string(FIND "${testo}" "${atteso}" dove)
    if(dove EQUAL -1)
      message(FATAL_ERROR "${f} without ${atteso}")
    endif()
  endif()
endforeach()

# The installed program runs.
execute_process(COMMAND "${PREFIX}/bin/vask2cad" --version OUTPUT_VARIABLE versione RESULT_VARIABLE esito)
if(NOT esito EQUAL 0 OR NOT versione STREQUAL "Vask_2 cad ${VERSIONE}\n")
  message(FATAL_ERROR "installed program: ${esito} ${versione}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
