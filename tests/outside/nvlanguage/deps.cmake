# The tests load the library by name at run time, as the module does.
add_dependencies(${name} Nvlanguage)
