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

# The environment every test running project programs gets: preferences go to
# a folder of the build (without its Corvath folder, so nothing is written)
# rather than the user's own, and under sanitizers the suppressions apply.
function(tolvo_sanitizer_environment test)
  set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT
    "XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-config")
  if(TOLVO_SANITIZE)
    # Full unwinding lets the suppressions see the loader frames of memory
    # that system libraries allocate when the module is loaded.
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT
      "ASAN_OPTIONS=fast_unwind_on_malloc=0:detect_leaks=1"
      "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp"
      "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
  endif()
endfunction()
