# The loader tests load a library of their own, built beside the test program.
add_library(NvTestPlugin MODULE ${dir}/plugin/NvTestPlugin.c)
set_target_properties(NvTestPlugin PROPERTIES PREFIX "" SUFFIX ".so")
add_dependencies(${name} NvTestPlugin)
