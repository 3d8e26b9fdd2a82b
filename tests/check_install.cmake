# Installs the build into PREFIX (BINDIR and DATADIR relative to it) and checks the installed layout: the
# program, its five documents side by side, the icon, and a desktop entry
# that starts the program in the documents' folder.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(docs "${PREFIX}/${DATADIR}/dcsim")
set(desktop "${PREFIX}/${DATADIR}/applications/dcsim.desktop")
foreach(path
    "${PREFIX}/${BINDIR}/dcsim"
    "${docs}/spravka1.pdf" "${docs}/spravka2.pdf" "${docs}/history.pdf" "${docs}/uprav.pdf"
    "${docs}/instruction.txt" "${docs}/example-task.ini"
    "${PREFIX}/${DATADIR}/icons/hicolor/32x32/apps/dcsim.png"
    "${desktop}")
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

file(READ "${desktop}" entry)
foreach(line
    "Name=Моделирование работы электрической цепи постоянного тока"
    "Exec=${PREFIX}/${BINDIR}/dcsim"
    "Path=${docs}"
    "Icon=dcsim"
    "Categories=Education;Science;Physics;")
  string(FIND "\n${entry}" "\n${line}\n" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "${desktop} lacks the line ${line}")
  endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
