# The web-service tests call the portal service through Pellwick.so, loaded
# by name from the program's folder as the module does.
target_link_libraries(${name} PRIVATE hemr_portal)
add_dependencies(${name} Pellwick Nvlanguage)
