# tornet_subsystem(NAME [DEPENDS lib...]) makes the static library tornet_NAME
# from every source in src/NAME. The game binary, the tools and the tests link it.
function(tornet_subsystem name)
  cmake_parse_arguments(arg "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(tornet_${name} STATIC ${sources})
  target_include_directories(tornet_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(tornet_${name} PUBLIC ${arg_DEPENDS})
endfunction()
