# After the tests of the sanitizer build: a report of any process fails the run.
# cmake -DINFORMES=<file> -P comprobar.cmake
if(EXISTS "${INFORMES}")
  file(READ "${INFORMES}" texto)
  if(NOT texto STREQUAL "")
    message(FATAL_ERROR "Sanitizer reports (process, program: summary):\n${texto}")
  endif()
endif()
