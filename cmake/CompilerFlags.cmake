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
