# Installs the build tree into a fresh DESTDIR with prefix /usr and checks what
# lands there. Arguments: BUILD_DIR, CONFIG, WORK_DIR, APP_ID, VERSION and
# APPSTREAMCLI (may be empty).
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

# With the whole tree in place AppStream also checks that the launchable desktop
# entry is where the metainfo says.
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net --strict ${root}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate-tree failed (${rc}):\n${out}")
  endif()
endif()
