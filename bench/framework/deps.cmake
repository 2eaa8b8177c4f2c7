# InitForm runs against the embedded application server in-process.
target_link_libraries(bench_${area} PRIVATE hemr_appserver_core)
