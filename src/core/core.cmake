target_sources(tsp_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/optimum.cpp
                                ${CMAKE_CURRENT_LIST_DIR}/guarantee.cpp)
