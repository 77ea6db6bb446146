# A static library of one source layer. Its include folder holds only a link to that
# layer, so code can include its own layer and the ones it links, nothing above.
function(glimtags_layer target layer_dir)
  get_filename_component(layer ${layer_dir} NAME)
  set(folder ${CMAKE_BINARY_DIR}/layers/${layer})
  file(MAKE_DIRECTORY ${folder})
  file(CREATE_LINK ${layer_dir} ${folder}/${layer} SYMBOLIC)
  file(GLOB sources CONFIGURE_DEPENDS ${layer_dir}/*.cpp)
  list(FILTER sources EXCLUDE REGEX ".*/ui/main\\.cpp$")
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${folder})
endfunction()
