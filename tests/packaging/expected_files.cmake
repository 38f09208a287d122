# The example graphs, by id.
set(TSP_EXPECTED_EXAMPLES
  christofides-one-and-a-half
  four-vertices
  greedy-edge-astray
  light-cycle-wins
  nearest-neighbour-astray
  negative-weights
  no-triangle-inequality
  not-connected
  petersen
  tree-tour-twice
  two-opt-repairs)

# The files an installation holds, relative to the installation prefix.
set(TSP_EXPECTED_FILES
  bin/tsp-simulator
  share/applications/${APP_ID}.desktop
  share/doc/tsp-simulator/copyright
  share/icons/hicolor/scalable/apps/${APP_ID}.svg
  share/metainfo/${APP_ID}.metainfo.xml
  share/mime/packages/${APP_ID}.xml)
foreach(id IN LISTS TSP_EXPECTED_EXAMPLES)
  list(APPEND TSP_EXPECTED_FILES share/tsp-simulator/examples/${id}.tspgraph)
endforeach()
list(SORT TSP_EXPECTED_FILES)

# Fails unless the files under root/prefix are exactly TSP_EXPECTED_FILES.
function(tsp_check_file_set root prefix what)
  file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE ${root}/${prefix} ${root}/*)
  list(SORT found)
  if(NOT found STREQUAL TSP_EXPECTED_FILES)
    list(JOIN found "\n  " found_text)
    list(JOIN TSP_EXPECTED_FILES "\n  " expected_text)
    message(FATAL_ERROR "${what} holds\n  ${found_text}\nbut should hold exactly\n  ${expected_text}")
  endif()
endfunction()

# Fails unless text (the contents of file) contains the exact line.
function(tsp_expect_line text line file)
  string(REPLACE "\r\n" "\n" text "\n${text}\n")
  string(FIND "${text}" "\n${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${file} lacks the line '${line}'")
  endif()
endfunction()

# Checks the contents of the installed data files under root/prefix.
function(tsp_check_data_files root prefix)
  set(base ${root}/${prefix}/share)

  set(desktop ${base}/applications/${APP_ID}.desktop)
  file(READ ${desktop} text)
  foreach(line "[Desktop Entry]" "Type=Application" "Name=TSP Simulator"
               "Exec=tsp-simulator %f" "Icon=${APP_ID}" "MimeType=application/x-tspgraph;")
    tsp_expect_line("${text}" "${line}" ${desktop})
  endforeach()
  tsp_expect_line("${text}" "Categories=Education;Science;Math;" ${desktop})

  set(metainfo ${base}/metainfo/${APP_ID}.metainfo.xml)
  file(READ ${metainfo} text)
  foreach(part "<component type=\"desktop-application\">" "<id>${APP_ID}</id>"
               "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
               "<binary>tsp-simulator</binary>"
               "<mediatype>application/x-tspgraph</mediatype>")
    string(FIND "${text}" "${part}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${metainfo} lacks ${part}")
    endif()
  endforeach()
  # The newest release comes first and must be the project's version.
  if(NOT text MATCHES "<release[^>]* version=\"([^\"]*)\"")
    message(FATAL_ERROR "${metainfo} has no release")
  endif()
  if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    message(FATAL_ERROR "${metainfo}: newest release is ${CMAKE_MATCH_1}, the project is ${VERSION}")
  endif()

  # Debian's copyright file: the MIT licence, whose first line names it.
  set(copyright ${base}/doc/tsp-simulator/copyright)
  file(STRINGS ${copyright} first LIMIT_COUNT 1)
  if(NOT first STREQUAL "MIT License")
    message(FATAL_ERROR "${copyright} does not start with 'MIT License': '${first}'")
  endif()

  set(icon ${base}/icons/hicolor/scalable/apps/${APP_ID}.svg)
  file(READ ${icon} text)
  if(NOT text MATCHES "<svg[^>]*xmlns=\"http://www.w3.org/2000/svg\"" OR NOT text MATCHES "</svg>[ \t\r\n]*$")
    message(FATAL_ERROR "${icon} is not an SVG document")
  endif()
endfunction()
