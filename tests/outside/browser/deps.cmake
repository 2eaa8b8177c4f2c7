target_link_libraries(${name} PRIVATE hemr_browser_core)
add_dependencies(${name} HemrBrowser)
