# InitForm runs against the embedded application server in-process.
target_link_libraries(bench_${area} PRIVATE hemr_appserver_core)
# The form conversion loads Nvlanguage.so by name; its raw comparison calls OpenCC itself.
add_dependencies(bench_${area} Nvlanguage)
target_link_libraries(bench_${area} PRIVATE PkgConfig::OPENCC)
