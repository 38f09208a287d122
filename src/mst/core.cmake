target_sources(tsp_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/spanning_tree.cpp
                                ${CMAKE_CURRENT_LIST_DIR}/spanning_tree_run.cpp)
