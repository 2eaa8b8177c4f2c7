target_link_libraries(bench_${area} PRIVATE hemr_appserver_core hemr07s_core)
