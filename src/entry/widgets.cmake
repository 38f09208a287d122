target_sources(tsp_widgets PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/form2.cpp ${CMAKE_CURRENT_LIST_DIR}/form2.h
  ${CMAKE_CURRENT_LIST_DIR}/form3.cpp ${CMAKE_CURRENT_LIST_DIR}/form3.h)
