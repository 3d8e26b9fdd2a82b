# Runs at install time: writes the desktop entry for the prefix actually
# installed to (also one given by "cmake --install --prefix" or by a package
# build), so that it starts the launcher installed with it.
foreach(kind BINDIR DATADIR)
  if(IS_ABSOLUTE "${DCSIM_${kind}}")
    set(full_${kind} "${DCSIM_${kind}}")
  else()
    set(full_${kind} "${CMAKE_INSTALL_PREFIX}/${DCSIM_${kind}}")
  endif()
endforeach()
# The launcher's path as the program of Exec: quoted where it holds a
# character the desktop entry format reserves, with \", \`, \$ and \\ inside
# the quotes, %% for %, and every backslash doubled once more, as in any
# string value of the entry.
set(DCSIM_LAUNCHER "${full_BINDIR}/dcsim")
if(DCSIM_LAUNCHER MATCHES "[] \t\n\"'\\<>~|&;$*?#()`[]")
  string(REGEX REPLACE "([\"`$\\])" "\\\\\\1" DCSIM_LAUNCHER "${DCSIM_LAUNCHER}")
  set(DCSIM_LAUNCHER "\"${DCSIM_LAUNCHER}\"")
endif()
string(REPLACE "%" "%%" DCSIM_LAUNCHER "${DCSIM_LAUNCHER}")
string(REPLACE "\\" "\\\\" DCSIM_LAUNCHER "${DCSIM_LAUNCHER}")
# Written apart for each prefix, so that installs into different prefixes at
# the same time do not write the same file, and removed once installed.
string(MD5 key "${DCSIM_LAUNCHER}")
set(entry "${DCSIM_DESKTOP_DIR}/${key}/dcsim.desktop")
configure_file("${DCSIM_DESKTOP_IN}" "${entry}" @ONLY)
file(INSTALL DESTINATION "${full_DATADIR}/applications" TYPE FILE FILES "${entry}")
file(REMOVE_RECURSE "${DCSIM_DESKTOP_DIR}/${key}")
