target_sources(tsp_widgets PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/canvas.cpp ${CMAKE_CURRENT_LIST_DIR}/canvas.h
  ${CMAKE_CURRENT_LIST_DIR}/form.cpp ${CMAKE_CURRENT_LIST_DIR}/form.h
  ${CMAKE_CURRENT_LIST_DIR}/geometry.cpp ${CMAKE_CURRENT_LIST_DIR}/geometry.h
  ${CMAKE_CURRENT_LIST_DIR}/look.cpp ${CMAKE_CURRENT_LIST_DIR}/look.h
  ${CMAKE_CURRENT_LIST_DIR}/services.cpp ${CMAKE_CURRENT_LIST_DIR}/services.h
  ${CMAKE_CURRENT_LIST_DIR}/timer.h)
