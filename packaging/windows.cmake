# The Windows program's folder: dcsim.exe beside its documents (help/ installs
# them there), Qt's DLLs and the plugins the program loads, and the MinGW
# runtime; made into dcsim-<version>-win64-setup.exe (NSIS, with the script
# windows/NSIS.template.in) and into dcsim-<version>-win64.zip, the same
# folder, which runs wherever it is unpacked.
install(TARGETS dcsim RUNTIME DESTINATION .)

find_package(Qt6 REQUIRED COMPONENTS PrintSupport) # its targets are known here too

# The Qt libraries the program links, and the runtime of the compiler that
# built both.
set(runtime $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
            $<TARGET_FILE:Qt6::PrintSupport>)
foreach(library libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${library}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  list(APPEND runtime ${path})
endforeach()
install(FILES ${runtime} DESTINATION .)
# The plugins Qt loads: the Windows platform and the native look.
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
# The copies lose their symbols, as the program does (Qt6Core.dll: 9.5 MB to 6.5).
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    file(GLOB_RECURSE libraries \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
    foreach(library \${libraries})
      execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${library}\")
    endforeach()
  endif()
")

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_FILE_NAME dcsim-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY dcsim)
set(CPACK_NSIS_PACKAGE_NAME "dcsim ${PROJECT_VERSION}")
set(CPACK_NSIS_DISPLAY_NAME "dcsim — Моделирование работы электрической цепи постоянного тока")
set(CPACK_NSIS_MUI_ICON ${DCSIM_ICO})
# The setup program's own name; the zip keeps the package's.
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/cpack_per_generator.cmake "
  if(CPACK_GENERATOR STREQUAL \"NSIS\")
    set(CPACK_PACKAGE_FILE_NAME dcsim-${PROJECT_VERSION}-win64-setup)
  endif()
")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/cpack_per_generator.cmake)
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_SOURCE_DIR}/windows) # NSIS.template.in
