# The converter loads Nvlanguage.so by name from the program's folder.
add_dependencies(${name} Nvlanguage)
# The scheme tests run against the application server's own objects in-process.
target_link_libraries(${name} PRIVATE hemr_appserver_core)
