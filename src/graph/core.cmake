target_sources(tsp_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/graph_state.cpp
                                ${CMAKE_CURRENT_LIST_DIR}/graph_build.cpp
                                ${CMAKE_CURRENT_LIST_DIR}/edge_lists.cpp)
