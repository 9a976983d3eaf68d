# Each program answers --version with "<name> <version>" and --help with its
# usage, exit status 0, nothing on standard error, and without a display: the
# Qt platform named here does not exist, so a window would fail to start.
# zemprog refuses an option it does not know the same way, with status 2.
string(REPLACE "|" ";" programs "${PROGRAMS}")
foreach(program IN LISTS programs)
  get_filename_component(name "${program}" NAME)
  foreach(option --version --help)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=no-such-platform DISPLAY= WAYLAND_DISPLAY=
                            "${program}" ${option}
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(option STREQUAL "--version")
      set(expected "^${name} ${VERSION}\n$")
    else()
      set(expected "^[Uu]sage: ${name} ")
    endif()
    if(NOT status EQUAL 0 OR NOT err STREQUAL "" OR NOT out MATCHES "${expected}")
      message(FATAL_ERROR "${name} ${option}: status ${status}\nstdout: ${out}\nstderr: ${err}")
    endif()
  endforeach()
  if(name MATCHES "^zemprog")
    execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=no-such-platform DISPLAY= WAYLAND_DISPLAY=
                            "${program}" --bogus
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 2 OR NOT out STREQUAL "" OR NOT err MATCHES "^zemprog: [^\n]*bogus")
      message(FATAL_ERROR "${name} --bogus: status ${status}\nstdout: ${out}\nstderr: ${err}")
    endif()
  endif()
endforeach()
