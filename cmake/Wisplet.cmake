# wisplet_library(<name> <folder> DEPS <targets...>)
# One static library per subsystem folder; every .cpp/.h in the folder (and its
# sub-folders) belongs to it, so adding a file needs no edit here.
function(wisplet_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT sources)
    set(sources ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# wisplet_test(<name> DEPS <targets...>)
# One GoogleTest program per tests/ sub-folder from every .cpp in it; each test
# case is registered with CTest and runs on the offscreen platform.
function(wisplet_test name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE wisplet_test_support ${ARG_DEPS})
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTWEBENGINE_CHROMIUM_FLAGS=--no-sandbox --disable-gpu;WISPLET_SOURCE_DIR=${CMAKE_SOURCE_DIR};WISPLET_APP_DIR=${WISPLET_APP_DIR}"
      TIMEOUT 120)
endfunction()
