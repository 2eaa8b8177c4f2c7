# The tests load the library by name at run time, as the module does, and
# build their archives and serve them over HTTP themselves.
add_dependencies(${name} NVDownLoad)
pkg_check_modules(NVDL_HTTPLIB REQUIRED IMPORTED_TARGET cpp-httplib)
target_link_libraries(${name} PRIVATE PkgConfig::LIBZIP PkgConfig::NVDL_HTTPLIB)
