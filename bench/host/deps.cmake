target_link_libraries(bench_${area} PRIVATE hemr_appserver_core)
add_dependencies(bench_${area} hemr07-host)
