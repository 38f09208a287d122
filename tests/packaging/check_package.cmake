# Builds the Debian package from the build tree and checks its contents and
# control fields. Arguments: BUILD_DIR, CONFIG, WORK_DIR, CPACK, DPKG_DEB,
# APP_ID, VERSION.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/expected_files.cmake)

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

execute_process(
  COMMAND ${CPACK} -G DEB -C ${CONFIG} --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cpack failed (${rc}):\n${out}")
endif()
file(GLOB debs ${WORK_DIR}/*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "cpack made ${count} .deb files, expected one:\n${out}")
endif()

# The package's files: unpack and compare with an installation's.
execute_process(COMMAND ${DPKG_DEB} -x ${debs} ${WORK_DIR}/root RESULT_VARIABLE rc
                ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -x failed:\n${out}")
endif()
tsp_check_file_set(${WORK_DIR}/root usr "The package")
tsp_check_data_files(${WORK_DIR}/root usr)

function(control_field name out_var)
  execute_process(COMMAND ${DPKG_DEB} -f ${debs} ${name} RESULT_VARIABLE rc
                  OUTPUT_VARIABLE value ERROR_VARIABLE err OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "dpkg-deb -f ${name} failed:\n${err}")
  endif()
  set(${out_var} "${value}" PARENT_SCOPE)
endfunction()

control_field(Package package)
control_field(Version version)
control_field(Section section)
control_field(Maintainer maintainer)
control_field(Depends depends)
if(NOT package STREQUAL "tsp-simulator")
  message(FATAL_ERROR "Package is '${package}', expected tsp-simulator")
endif()
if(NOT version MATCHES "^${VERSION}(-[0-9]+)?$")
  message(FATAL_ERROR "Version is '${version}', expected ${VERSION}")
endif()
if(NOT section STREQUAL "education")
  message(FATAL_ERROR "Section is '${section}', expected education")
endif()
if(maintainer STREQUAL "")
  message(FATAL_ERROR "The package has no maintainer")
endif()

# Dependencies: the Qt 6 runtime libraries the program links, plus the C and
# C++ runtime, and nothing else (no -dev packages, no extra Qt modules).
set(allowed libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6 libc6 libstdc++6 libgcc-s1)
set(required libqt6widgets6 libqt6gui6 libqt6core6)
string(REPLACE "," ";" alternatives_list "${depends}")
set(named)
foreach(entry IN LISTS alternatives_list)
  string(REPLACE "|" ";" alternatives "${entry}")
  foreach(alternative IN LISTS alternatives)
    string(REGEX REPLACE "\\(.*\\)" "" alternative "${alternative}")
    string(REGEX REPLACE ":any$" "" alternative "${alternative}")
    string(STRIP "${alternative}" name)
    if(name STREQUAL "")
      continue()
    endif()
    # libqt6gui6's GLES build is an accepted alternative to libqt6gui6.
    if(NOT name IN_LIST allowed AND NOT name STREQUAL "libqt6gui6-gles")
      message(FATAL_ERROR "Unexpected dependency '${name}' in Depends: ${depends}")
    endif()
    list(APPEND named ${name})
  endforeach()
endforeach()
foreach(name IN LISTS required)
  if(NOT name IN_LIST named)
    message(FATAL_ERROR "Depends lacks ${name}: ${depends}")
  endif()
endforeach()
