# The conversion test loads the GB/Big5 library by name, as the module does.
if(TARGET Nvlanguage)
  add_dependencies(${name} Nvlanguage)
endif()
