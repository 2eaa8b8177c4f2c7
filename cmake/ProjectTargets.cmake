# Warnings are errors on the project's own code only.
function(hemr_project_target target)
  # GCC 12 reports -Wrestrict on inlined std::string copies at -O2 and above
  # (a known false positive); it stays a warning so it cannot fail the build.
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wno-error=restrict)
  endif()
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/include)
endfunction()

# Sources of a folder tree, picked up when files are added so that adding a
# class never means editing a list elsewhere.
function(hemr_sources out dir)
  file(GLOB_RECURSE found CONFIGURE_DEPENDS
       ${dir}/*.cpp ${dir}/*.c)
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# Folders one level below `dir` that hold a CMakeLists.txt.
function(hemr_add_child_projects dir)
  file(GLOB children RELATIVE ${dir} CONFIGURE_DEPENDS ${dir}/*/CMakeLists.txt)
  list(SORT children)
  foreach(child ${children})
    get_filename_component(sub ${child} DIRECTORY)
    add_subdirectory(${dir}/${sub})
  endforeach()
endfunction()

# Embeds files into a target as a table of (file name, bytes): generates a
# source defining `const rt::EmbeddedFile* <symbol>(size_t& count)`.
function(hemr_embed_files target symbol)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_${symbol}_embedded.cpp)
  set(script ${PROJECT_SOURCE_DIR}/cmake/EmbedFiles.cmake)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DOUT=${out} -DSYMBOL=${symbol} "-DFILES=${ARGN}" -P ${script}
    DEPENDS ${ARGN} ${script}
    COMMENT "Embedding ${symbol}"
    VERBATIM)
  target_sources(${target} PRIVATE ${out})
endfunction()
