target_sources(tsp_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/tour_search.cpp
                                ${CMAKE_CURRENT_LIST_DIR}/light_cycle.cpp)
