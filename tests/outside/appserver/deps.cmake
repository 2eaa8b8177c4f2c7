target_link_libraries(${name} PRIVATE hemr_appserver_core)
add_dependencies(${name} hemr07-appserver)
