# Installs the build into a scratch prefix and checks that everything a
# desktop needs lands where it looks for it.
# cmake -DBUILD=<build folder> -DPREFIX=<scratch folder> -P installazione.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE esito OUTPUT_QUIET)
if(NOT esito EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${esito}")
endif()

foreach(f bin/vask2cad
          share/doc/vask2cad/GUIDA.txt
          share/vask2cad/esempi/sezione_a_t_con_foro.vask
          share/vask2cad/esempi/sezione_a_l.vask
          share/vask2cad/esempi/sezione_a_c.vask
          share/vask2cad/esempi/sezione_composta_con_foro.vask
          share/applications/vask2cad.desktop
          share/icons/hicolor/scalable/apps/vask2cad.svg
          share/mime/packages/vask2cad.xml)
  if(NOT EXISTS "${PREFIX}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()

# The desktop entry hands the file to the program, for the type the MIME
# package gives to *.vask.
file(READ "${PREFIX}/share/applications/vask2cad.desktop" voce)
file(READ "${PREFIX}/share/mime/packages/vask2cad.xml" mime)
foreach(atteso "Exec=vask2cad %f" "MimeType=application/x-vask2cad;" "Icon=vask2cad")
  string(FIND "${voce}" "${atteso}" dove)
  if(dove EQUAL -1)
    message(FATAL_ERROR "desktop entry without ${atteso}")
  endif()
endforeach()
foreach(atteso "type=\"application/x-vask2cad\"" "<glob pattern=\"*.vask\"/>"
               "<comment>Sezione di Vask_2 cad</comment>")
  string(FIND "${mime}" "${atteso}" dove)
  if(dove EQUAL -1)
    message(FATAL_ERROR "MIME package without ${atteso}")
  endif()
endforeach()
find_program(VALIDA desktop-file-validate)
if(VALIDA)
  execute_process(COMMAND "${VALIDA}" "${PREFIX}/share/applications/vask2cad.desktop"
                  RESULT_VARIABLE esito)
  if(NOT esito EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate refuses the desktop entry")
  endif()
endif()

# The installed program runs.
execute_process(COMMAND "${PREFIX}/bin/vask2cad" --version
                OUTPUT_VARIABLE versione RESULT_VARIABLE esito)
if(NOT esito EQUAL 0 OR NOT versione STREQUAL "Vask_2 cad 2.0\n")
  message(FATAL_ERROR "installed program: ${esito} ${versione}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
