add_executable(bench_vellum ${CMAKE_CURRENT_LIST_DIR}/bench_vellum.cpp)
target_link_libraries(bench_vellum PRIVATE vellum_core benchmark::benchmark benchmark::benchmark_main)
