# Installs the built program under a scratch prefix and checks the layout the desktop and an
# installed copy rely on: the program, its menu entry, MIME type, icons, help, readme, sounds and
# samples.
# Run with: cmake -DBUILD=... -DPREFIX=... -P InstallTest.cmake

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${errors}")
endif()

set(expected
    bin/vantrocad
    share/applications/vantrocad.desktop
    share/mime/packages/vantrocad.xml
    share/icons/hicolor/scalable/apps/vantrocad.svg
    share/icons/hicolor/48x48/apps/vantrocad.png
    share/icons/hicolor/256x256/apps/vantrocad.png
    share/vantrocad/cad_help.htm
    share/vantrocad/VantroReadme.txt
    share/vantrocad/vantrocad.png
    share/vantrocad/click.wav
    share/vantrocad/can.wav
    share/vantrocad/Undo.wav
    share/vantrocad/samples/flange.dca)
foreach(file IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# An installed program is found on the PATH; its entry opens drawings.
file(READ "${PREFIX}/share/applications/vantrocad.desktop" entry)
foreach(line "Exec=vantrocad %f" "Icon=vantrocad" "MimeType=application/x-vantrocad-drawing;")
  string(FIND "${entry}" "\n${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the menu entry lacks \"${line}\":\n${entry}")
  endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
