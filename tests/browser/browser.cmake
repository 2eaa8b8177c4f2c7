# The served forms in a real browser: Debian's chromium driven by
# playwright-core, which scripts/test installs by its lock file with
# `npm ci` into build/browser. Screenshots go to build/screenshots.
find_program(HEMR_NODE node)
if(HEMR_NODE)
  foreach(name ServeTest ServeGuardTest)
    add_test(NAME browser_serve_${name} COMMAND ${HEMR_NODE} ${CMAKE_CURRENT_LIST_DIR}/serve/${name}.js)
    set_tests_properties(browser_serve_${name} PROPERTIES
      ENVIRONMENT "HEMR_BINARY_DIR=${CMAKE_BINARY_DIR}/bin;NODE_PATH=${CMAKE_BINARY_DIR}/browser/node_modules;PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1;HEMR_SCREENSHOT_DIR=${CMAKE_BINARY_DIR}/screenshots"
      TIMEOUT 300)
  endforeach()
endif()
