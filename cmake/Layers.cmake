# One static library per layer, each linked only to the layers below it:
# rules and host at the bottom, engine over both, view over host, controls over
# view and rules, editor over controls and engine; formats/ compose the modules.
function(tolvo_add_layer name)
  add_library(${name} STATIC)
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}/generated)
  target_link_libraries(${name} PUBLIC tolvo_flags)
endfunction()
