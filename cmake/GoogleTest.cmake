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
  tolvo_sanitizer_environment(${target})
endfunction()

# The sanitizer settings a test running project programs needs.
function(tolvo_sanitizer_environment test)
  if(TOLVO_SANITIZE)
    # Full unwinding lets the suppressions see the loader frames of memory
    # that system libraries allocate when the module is loaded.
    set_tests_properties(${test} PROPERTIES ENVIRONMENT
      "ASAN_OPTIONS=fast_unwind_on_malloc=0:detect_leaks=1;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
  endif()
endfunction()
