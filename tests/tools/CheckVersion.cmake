# tolvo-host --version names the project version, and the module reports the
# same version to a host as its vendor version.
execute_process(COMMAND ${HOST} --version OUTPUT_VARIABLE version_output RESULT_VARIABLE version_failed)
if(version_failed OR NOT version_output STREQUAL "tolvo-host ${VERSION}\n")
  message(FATAL_ERROR "tolvo-host --version printed '${version_output}', expected 'tolvo-host ${VERSION}'")
endif()
execute_process(COMMAND ${HOST} info OUTPUT_VARIABLE info_output RESULT_VARIABLE info_failed)
if(info_failed OR NOT info_output MATCHES "vendor version: ${VERSION_NUMBER}\n")
  message(FATAL_ERROR "the module does not report vendor version ${VERSION_NUMBER}:\n${info_output}")
endif()
