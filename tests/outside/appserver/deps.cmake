target_link_libraries(${name} PRIVATE hemr_appserver_core)
add_dependencies(${name} hemr07-appserver hemr07-runlib HEMR07S HEMT01S)
# The runner's tests run HEMR07 jobs with the report's own value rows.
target_sources(${name} PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../hemr07s/Hemr07Values.cpp)
# A server library that can hold a run in progress (crash and lease tests).
add_library(HEMT01S SHARED ${CMAKE_CURRENT_LIST_DIR}/fixtures/TestServerLibrary.cc)
set_target_properties(HEMT01S PROPERTIES PREFIX "")
hemr_project_target(HEMT01S)
target_link_libraries(HEMT01S PRIVATE platform)
