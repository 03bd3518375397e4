# velk_add_test(NAME <name> SOURCES <files...> [LIBS <libs...>])
# One GoogleTest executable, each of its tests registered with CTest.
function(velk_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  velk_register_tests(${T_NAME})
endfunction()

# velk_register_tests(<target>): a GoogleTest executable's tests in CTest. A cross build registers
# the executable as one test: listing its tests would mean starting Wine for every build of it.
function(velk_register_tests TARGET)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${TARGET} COMMAND ${TARGET})
  else()
    gtest_discover_tests(${TARGET} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# velk_add_subsystem(<name> <sources...>): the object library of one subsystem.
function(velk_add_subsystem NAME)
  add_library(${NAME} OBJECT ${ARGN})
  target_include_directories(${NAME} PUBLIC ${PROJECT_SOURCE_DIR}/include ${PROJECT_SOURCE_DIR}/src)
endfunction()
