# Outside libraries the environment tests load by name at run time, as the
# module does; the update tests build their zip archives with libzip.
foreach(lib Nvlanguage NVDownLoad)
  if(TARGET ${lib})
    add_dependencies(${name} ${lib})
  endif()
endforeach()
# The update tests build their archives with libzip and serve them over HTTP.
pkg_check_modules(ENV_HTTPLIB REQUIRED IMPORTED_TARGET cpp-httplib)
target_link_libraries(${name} PRIVATE PkgConfig::LIBZIP PkgConfig::ENV_HTTPLIB)
# The language-pack audit reads the form resources and packs of the source tree.
target_compile_definitions(${name} PRIVATE HEMR_TEST_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
