target_link_libraries(${name} PRIVATE hemr_queuemgr_core)
# The HEMR07 value rows the report tests build.
target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/outside/hemr07s/Hemr07Values.cpp)
add_dependencies(${name} HemrQueueMgr)
