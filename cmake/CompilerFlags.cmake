# Warnings and floating-point rules shared by every target of the project.
# The engine's results are compared sample for sample with reference code, so
# nothing may reorder or fuse floating-point operations.
add_library(tolvo_flags INTERFACE)
target_compile_options(tolvo_flags INTERFACE
  -Wall -Wextra -ffp-contract=off -fno-fast-math)

if(TOLVO_SANITIZE)
  target_compile_options(tolvo_flags INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(tolvo_flags INTERFACE -fsanitize=address,undefined)
endif()
if(TOLVO_TSAN)
  target_compile_options(tolvo_flags INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
  target_link_options(tolvo_flags INTERFACE -fsanitize=thread)
endif()
if(TOLVO_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "TOLVO_FUZZ needs clang: configure with CC=clang CXX=clang++")
  endif()
  # Coverage for libFuzzer on every library; the fuzzer programs add the
  # libFuzzer runtime and its main when they link.
  target_compile_options(tolvo_flags INTERFACE
    -fsanitize=address,undefined,fuzzer-no-link -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined)
  target_link_options(tolvo_flags INTERFACE -fsanitize=address,undefined,fuzzer-no-link)
endif()
