add_executable(bench_tessaly ${CMAKE_CURRENT_LIST_DIR}/bench_tessaly.cpp)
target_link_libraries(bench_tessaly PRIVATE tessaly_generator tessaly_document
    benchmark::benchmark benchmark::benchmark_main)

if(TARGET tessaly_ui)
    add_executable(bench_tessaly_window ${CMAKE_CURRENT_LIST_DIR}/bench_tessaly_window.cpp)
    target_link_libraries(bench_tessaly_window PRIVATE tessaly_ui benchmark::benchmark)
endif()
