# Installs the build into PREFIX (BINDIR, LIBEXECDIR and DATADIR relative to it) and checks the installed
# layout: the launcher and the program, the five documents side by side (a language's in its own folder),
# the icons, a desktop entry that desktop-file-validate passes without a word; then that the launcher,
# reached through a link from a folder of the caller's, starts the program in the documents' folder with
# the caller's folder and its arguments as given (the program replaced by a script that prints them).
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(docs "${PREFIX}/${DATADIR}/dcsim")
set(icons "${PREFIX}/${DATADIR}/icons/hicolor")
set(desktop "${PREFIX}/${DATADIR}/applications/dcsim.desktop")
set(program "${PREFIX}/${LIBEXECDIR}/dcsim/dcsim")
foreach(path
    "${PREFIX}/${BINDIR}/dcsim" "${program}"
    "${docs}/spravka1.pdf" "${docs}/spravka2.pdf" "${docs}/history.pdf" "${docs}/uprav.pdf"
    "${docs}/instruction.txt" "${docs}/example-task.ini" "${icons}/scalable/apps/dcsim.svg" "${desktop}")
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
# The translated documents the build made are installed in their language's folder.
file(GLOB translated RELATIVE "${BUILD_DIR}/bin" "${BUILD_DIR}/bin/*/*")
foreach(document ${translated})
  if(NOT EXISTS "${docs}/${document}")
    message(FATAL_ERROR "not installed: ${docs}/${document}")
  endif()
endforeach()
foreach(side 16 32 48 64 128 256)
  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  file(READ "${icons}/${side}x${side}/apps/dcsim.png" size OFFSET 16 LIMIT 8 HEX)
  math(EXPR size "0x${size} - ${side} * 4294967297")
  if(NOT size EQUAL 0)
    message(FATAL_ERROR "the ${side} x ${side} icon has another size")
  endif()
endforeach()

file(READ "${desktop}" entry)
foreach(line "Exec=${PREFIX}/${BINDIR}/dcsim" "Icon=dcsim" "Categories=Education;Physics;")
  string(FIND "\n${entry}" "\n${line}\n" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "${desktop} lacks the line ${line}")
  endif()
endforeach()
execute_process(COMMAND desktop-file-validate "${desktop}" OUTPUT_VARIABLE said ERROR_VARIABLE said
                RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT said STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate ${desktop}: ${result} ${said}")
endif()

set(caller "${PREFIX}/caller's folder")
file(MAKE_DIRECTORY "${caller}")
file(CREATE_LINK "${PREFIX}/${BINDIR}/dcsim" "${caller}/dcsim" SYMBOLIC)
file(WRITE "${program}" "#!/bin/sh\nprintf '%s|' \"$PWD\" \"$DCSIM_CALLER_DIR\" \"$@\"\n")
execute_process(COMMAND ./dcsim "two words" "" "--task=a b.ini" WORKING_DIRECTORY "${caller}"
                OUTPUT_VARIABLE said RESULT_VARIABLE result)
file(REAL_PATH "${docs}" docs)
file(REAL_PATH "${caller}" caller)
if(NOT said STREQUAL "${docs}|${caller}|two words||--task=a b.ini|")
  message(FATAL_ERROR "the launcher started the program as: ${said} (${result})")
endif()
file(REMOVE_RECURSE "${PREFIX}")
