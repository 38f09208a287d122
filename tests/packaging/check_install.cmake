# Installs the build tree into a fresh DESTDIR with prefix /usr and checks what
# lands there. Arguments: BUILD_DIR, CONFIG, WORK_DIR, APP_ID, VERSION,
# APPSTREAMCLI and UPDATE_MIME_DATABASE (either may be empty).
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/expected_files.cmake)

set(root ${WORK_DIR}/root)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${root})

execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${root}
          ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr --config ${CONFIG}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}")
endif()

tsp_check_file_set(${root} usr "The installation")
tsp_check_data_files(${root} usr)

set(binary ${root}/usr/bin/tsp-simulator)
file(READ ${binary} magic LIMIT 4 HEX)
if(NOT magic STREQUAL "7f454c46")
  message(FATAL_ERROR "${binary} is not an ELF executable")
endif()
execute_process(COMMAND test -x ${binary} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${binary} is not executable")
endif()

# The installed program finds the installed examples from its own folder, wherever the tree is.
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                        ${binary} --list-examples
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(REGEX REPLACE "\t[^\n]*(\n|$)" ";" listed "${out}")
list(FILTER listed EXCLUDE REGEX "^$")
if(NOT rc EQUAL 0 OR NOT listed STREQUAL TSP_EXPECTED_EXAMPLES)
  message(FATAL_ERROR "The installed tsp-simulator --list-examples gave (${rc}):\n${out}${err}\n"
                      "expected the ids ${TSP_EXPECTED_EXAMPLES}")
endif()

# With the whole tree in place AppStream also checks that the launchable desktop
# entry is where the metainfo says.
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net --strict ${root}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate-tree failed (${rc}):\n${out}")
  endif()
endif()

# The graph file type, read as the desktop reads it: a database built from the
# installed package must map *.tspgraph to the type the desktop entry declares.
# update-mime-database only warns about a broken file, so its output is judged.
if(UPDATE_MIME_DATABASE)
  set(mime ${WORK_DIR}/mime)
  file(COPY ${root}/usr/share/mime/packages DESTINATION ${mime})
  # With the folder on the search path it has no note to print, so any text on
  # stderr is a complaint about the file.
  execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${WORK_DIR}
                          ${UPDATE_MIME_DATABASE} ${mime}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
    message(FATAL_ERROR "update-mime-database failed (${rc}):\n${err}")
  endif()
  file(STRINGS ${mime}/globs2 globs REGEX "^[0-9]+:application/x-tspgraph:\\*\\.tspgraph$")
  file(STRINGS ${mime}/subclasses parents REGEX "^application/x-tspgraph application/json$")
  if(NOT globs OR NOT parents)
    file(READ ${mime}/globs2 globs_text)
    message(FATAL_ERROR "The MIME package does not make *.tspgraph an application/x-tspgraph, "
                        "a kind of application/json; globs2:\n${globs_text}")
  endif()
endif()
