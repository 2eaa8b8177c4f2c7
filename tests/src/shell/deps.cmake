# The converter loads Nvlanguage.so by name from the program's folder.
add_dependencies(${name} Nvlanguage)
