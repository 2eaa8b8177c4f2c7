# The tests load the library by name at run time, as the module does, and
# serve the answers over HTTP themselves.
add_dependencies(${name} Pellwick)
pkg_check_modules(PELLWICK_HTTPLIB REQUIRED IMPORTED_TARGET cpp-httplib)
target_link_libraries(${name} PRIVATE PkgConfig::PELLWICK_HTTPLIB)
# The answer cap is tried on the poster itself with a small limit.
target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/outside/pellwick/TServicePost.cpp)
target_link_libraries(${name} PRIVATE CURL::libcurl)
