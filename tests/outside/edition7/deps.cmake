# Both editions of the plug-in and the shell that runs them.
add_dependencies(${name} Hemr07C Hemr07C_edition7 hemr07-host HemrAppServer Pellwick)
target_compile_definitions(${name} PRIVATE HEMR_TEST_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
target_link_libraries(${name} PRIVATE nlohmann_json::nlohmann_json)
