# Outside libraries the environment tests load by name at run time, as the module does.
foreach(lib Nvlanguage NVDownLoad)
  if(TARGET ${lib})
    add_dependencies(${name} ${lib})
  endif()
endforeach()
