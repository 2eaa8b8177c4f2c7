# Outside libraries the environment tests load by name at run time, as the
# module does; the update tests build their zip archives with libzip.
foreach(lib Nvlanguage NVDownLoad)
  if(TARGET ${lib})
    add_dependencies(${name} ${lib})
  endif()
endforeach()
target_link_libraries(${name} PRIVATE PkgConfig::LIBZIP)
