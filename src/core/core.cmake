find_package(nlohmann_json 3 REQUIRED)
target_sources(tsp_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/graph_file.cpp
                                ${CMAKE_CURRENT_LIST_DIR}/csv_matrix.cpp)
target_link_libraries(tsp_core PRIVATE nlohmann_json::nlohmann_json)
