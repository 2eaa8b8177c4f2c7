# The tests load the plug-in and run the shell as the programs they are.
add_dependencies(${name} Hemr07C hemr07-host Pellwick)
target_compile_definitions(${name} PRIVATE HEMR_TEST_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
# The scenario runner and the transcript are tested in-process too.
target_link_libraries(${name} PRIVATE hemr_host_core)
# The remote-server test starts hemr07-appserver as the appserver tests do.
target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/outside/appserver/ServerProcess.cpp
                               ${PROJECT_SOURCE_DIR}/tests/outside/appserver/TestHome.cpp)
add_dependencies(${name} hemr07-appserver hemr07-runlib)
# A direct query fetches the server library through NVDownLoad.so; the update
# test publishes a second build whose reports carry a marked title.
add_dependencies(${name} NVDownLoad HEMR07S)
if(NOT TARGET HEMR07S_retitled)
  file(GLOB retitled_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/outside/hemr07s/*.cpp)
  add_library(HEMR07S_retitled SHARED ${retitled_sources})
  hemr_project_target(HEMR07S_retitled)
  target_link_libraries(HEMR07S_retitled PRIVATE hemr_appserver_core)
  target_compile_definitions(HEMR07S_retitled PRIVATE "HEMR07S_TITLE_MARK=\"(R2)\"")
  set_target_properties(HEMR07S_retitled PROPERTIES PREFIX "" OUTPUT_NAME HEMR07S
                        LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin/retitled)
endif()
add_dependencies(${name} HEMR07S_retitled)
