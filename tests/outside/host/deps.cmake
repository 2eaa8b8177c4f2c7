# The tests load the plug-in and run the shell as the programs they are.
add_dependencies(${name} Hemr07C hemr07-host Pellwick)
target_compile_definitions(${name} PRIVATE HEMR_TEST_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
# The scenario runner and the transcript are tested in-process too.
target_link_libraries(${name} PRIVATE hemr_host_core)
# The remote-server test starts hemr07-appserver as the appserver tests do.
target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/outside/appserver/ServerProcess.cpp
                               ${PROJECT_SOURCE_DIR}/tests/outside/appserver/TestHome.cpp)
add_dependencies(${name} hemr07-appserver)
