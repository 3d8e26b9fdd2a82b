# The program's texts in other languages than Russian, the language they are
# written in: one i18n/dcsim_<code>.ts each, edited with Qt Linguist. The
# build compiles them with lrelease (a host tool, also when cross-compiling)
# and embeds them in the ui library as :/i18n/dcsim_<code>.qm, where
# ui/language finds them. Included by ui/CMakeLists.txt: the rules belong to
# the library's own folder, so that one lrelease run serves the resource.
#
#   cmake --build build --target update_translations
#
# runs lupdate over the program's sources: every .ts file gets the texts
# added or changed since, as unfinished, and loses those that went.
find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)

set(DCSIM_TS_FILES ${CMAKE_CURRENT_LIST_DIR}/dcsim_en.ts)

# Every library that shows text; the list is looked at again at each build,
# so new sources count without a new configuration.
set(text_patterns)
foreach(folder circuit ui graphs info report task app)
  list(APPEND text_patterns ${PROJECT_SOURCE_DIR}/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/${folder}/*.h)
endforeach()
file(GLOB DCSIM_TEXT_SOURCES CONFIGURE_DEPENDS ${text_patterns})
qt_add_lupdate(ui
  TS_FILES ${DCSIM_TS_FILES}
  SOURCES ${DCSIM_TEXT_SOURCES}
  INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}
  OPTIONS -source-language ru -no-obsolete -locations none)

qt_add_lrelease(ui TS_FILES ${DCSIM_TS_FILES} QM_FILES_OUTPUT_VARIABLE qm_files)
qt_add_resources(ui dcsim_translations PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR} FILES ${qm_files})
