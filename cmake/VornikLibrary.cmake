# vornik_library(NAME folder DEPENDS libs...)
# Builds the static library vornik_<folder> from every source file of src/<folder>.
function(vornik_library folder)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  add_library(vornik_${folder} STATIC ${sources})
  target_include_directories(vornik_${folder} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(vornik_${folder} PUBLIC ${ARG_DEPENDS} PRIVATE vornik_warnings)
endfunction()

# vornik_test(folder DEPENDS libs...)
# One GoogleTest executable per test folder, registered with ctest test by test.
function(vornik_test folder)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_executable(test_${folder} ${sources})
  target_link_libraries(test_${folder} PRIVATE ${ARG_DEPENDS} vornik_testmain GTest::gtest vornik_warnings)
  target_compile_definitions(test_${folder} PRIVATE
      VORNIK_SOURCE_DIR="${PROJECT_SOURCE_DIR}" VORNIK_BINARY_DIR="${PROJECT_BINARY_DIR}")
  gtest_discover_tests(test_${folder}
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
      DISCOVERY_TIMEOUT 60)
endfunction()
