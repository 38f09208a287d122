target_sources(tsp_widgets PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/form1.cpp ${CMAKE_CURRENT_LIST_DIR}/form1.h
  ${CMAKE_CURRENT_LIST_DIR}/form6.cpp ${CMAKE_CURRENT_LIST_DIR}/form6.h
  ${CMAKE_CURRENT_LIST_DIR}/screens.cpp ${CMAKE_CURRENT_LIST_DIR}/screens.h)
