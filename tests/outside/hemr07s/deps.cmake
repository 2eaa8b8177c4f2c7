target_link_libraries(${name} PRIVATE hemr07s_core)
add_dependencies(${name} HEMR07S)
