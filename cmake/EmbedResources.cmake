# embed_resources(TARGET file...): compiles the files into TARGET as byte arrays, declared in
# the generated header "embedded_resources.h" as glimtags::embedded::<file name with _ for . and ->.
function(embed_resources target)
  set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/embedded)
  set(declarations "")
  set(sources "")
  foreach(input ${ARGN})
    get_filename_component(name ${input} NAME)
    string(REGEX REPLACE "[^A-Za-z0-9]" "_" symbol ${name})
    set(output ${out_dir}/${symbol}.cpp)
    add_custom_command(OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output} -DSYMBOL=${symbol}
              -P ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
      DEPENDS ${input} ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake VERBATIM)
    string(APPEND declarations "extern const Resource ${symbol};\n")
    list(APPEND sources ${output})
  endforeach()
  file(WRITE ${out_dir}/embedded_resources.h.in
    "#pragma once\n\n#include <cstddef>\n\nnamespace glimtags::embedded {\n\n"
    "struct Resource {\n    const unsigned char* data;\n    std::size_t size;\n};\n\n"
    "${declarations}\n} // namespace glimtags::embedded\n")
  configure_file(${out_dir}/embedded_resources.h.in ${out_dir}/embedded_resources.h COPYONLY)
  target_sources(${target} PRIVATE ${sources})
  target_include_directories(${target} PUBLIC ${out_dir})
endfunction()
