add_executable(bench_vmcntrl ${CMAKE_CURRENT_LIST_DIR}/bench_vmcntrl.cpp)
target_link_libraries(bench_vmcntrl PRIVATE vmcntrl_config benchmark::benchmark
                      benchmark::benchmark_main)
