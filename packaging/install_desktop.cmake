# Runs at install time: writes the desktop entry for the prefix actually
# installed to (also one given by "cmake --install --prefix"), so that the
# program starts in the folder of its documents and its menus find them.
foreach(kind BINDIR DATADIR)
  if(IS_ABSOLUTE "${DCSIM_${kind}}")
    set(full_${kind} "${DCSIM_${kind}}")
  else()
    set(full_${kind} "${CMAKE_INSTALL_PREFIX}/${DCSIM_${kind}}")
  endif()
endforeach()
set(DCSIM_PROGRAM "${full_BINDIR}/dcsim")
set(DCSIM_DOCUMENTS_DIR "${full_DATADIR}/dcsim")
configure_file("${DCSIM_DESKTOP_IN}" "${DCSIM_DESKTOP_OUT}" @ONLY)
file(INSTALL DESTINATION "${full_DATADIR}/applications" TYPE FILE FILES "${DCSIM_DESKTOP_OUT}")
