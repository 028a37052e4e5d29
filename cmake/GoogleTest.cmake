# GoogleTest for the tests: Debian's packaged library on Linux; for the
# Windows cross build, Debian's packaged GoogleTest sources built with the
# cross compiler.
if(WIN32)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  add_library(tolvo_gtest_main INTERFACE)
  target_link_libraries(tolvo_gtest_main INTERFACE gtest_main gtest)
  target_link_options(tolvo_gtest_main INTERFACE -static)
else()
  find_package(GTest REQUIRED)
  add_library(tolvo_gtest_main INTERFACE)
  target_link_libraries(tolvo_gtest_main INTERFACE GTest::gtest_main GTest::gtest)
endif()

# Registers a test program with CTest; cross-built programs run under the
# emulator (wine) that the toolchain file names.
function(tolvo_add_gtest target)
  add_test(NAME ${target} COMMAND ${target} --gtest_brief=1
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endfunction()
