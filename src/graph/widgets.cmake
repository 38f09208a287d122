target_sources(tsp_widgets PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/form4.cpp ${CMAKE_CURRENT_LIST_DIR}/form4.h
  ${CMAKE_CURRENT_LIST_DIR}/form5.cpp ${CMAKE_CURRENT_LIST_DIR}/form5.h)
