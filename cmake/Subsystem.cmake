# tornet_library(NAME SOURCES... [DEPENDS lib...]) makes the static library
# tornet_NAME. The game binary, the tools and the tests link these.
function(tornet_library name)
  cmake_parse_arguments(arg "" "" "DEPENDS" ${ARGN})
  add_library(tornet_${name} STATIC ${arg_UNPARSED_ARGUMENTS})
  target_include_directories(tornet_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(tornet_${name} PUBLIC ${arg_DEPENDS})
endfunction()

# tornet_subsystem(NAME [DEPENDS lib...]) makes tornet_NAME from every source in src/NAME.
function(tornet_subsystem name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  tornet_library(${name} ${sources} ${ARGN})
endfunction()
