# The converter loads Nvlanguage.so by name from the program's folder.
add_dependencies(${name} Nvlanguage)
# The notification form reaches the loopback portal through Pellwick.so.
add_dependencies(${name} Pellwick)
target_link_libraries(${name} PRIVATE hemr_portal)
# The scheme tests run against the application server's own objects in-process.
target_link_libraries(${name} PRIVATE hemr_appserver_core)
# The language-pack tests read the shipped packs from the source tree.
target_compile_definitions(${name} PRIVATE HEMR_TEST_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
