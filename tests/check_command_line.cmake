# The command line through the real program (DCSIM), with no display to open
# a window on: help, version, a bad option, a zoom out of range, and the
# teacher's answers for the example task (TASK), the same twice.
# EMULATOR: what runs DCSIM, as words separated by spaces (Wine for a Windows
# build), and LANGUAGE_OPTION what it needs to speak Russian there;
# LINUX_DCSIM: a Linux build's program to compare the answers with.
cmake_policy(VERSION 3.25)
separate_arguments(EMULATOR)
function(run status expected)
  execute_process(COMMAND ${EMULATOR} "${DCSIM}" ${LANGUAGE_OPTION} ${ARGN}
                  RESULT_VARIABLE got OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(FIND "${out}${err}" "${expected}" at)
  if(NOT got STREQUAL status OR at EQUAL -1)
    message(FATAL_ERROR "dcsim ${ARGN}: status ${got}, expected ${status} and \"${expected}\" in:\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

run(0 "--task <файл>" --help)
run(0 "dcsim ${VERSION}\n" --version)
run(2 "dcsim: Неизвестный параметр «colour»." --colour)
run(2 "dcsim: --zoom: нужно число от 1 до 4, например 1.5, а не «5»." --zoom 5)
run(0 "Вариант\tE\tr\tRv\tRa\tRmax\n1\t6.4\t5\t150\t0.5\t100\n2\t6\t1.1\t150\t0.5\t100\n" --task "${TASK}" --answers 1-30)
set(first "${out}")
run(0 "\n21\t5.5\t0.6\t150\t0.5\t100\n" --task "${TASK}" --answers 1-30)
if(NOT out STREQUAL first)
  message(FATAL_ERROR "two runs gave different answers:\n${first}\n${out}")
endif()

# Windows and Linux draw the same variants, to the last digit printed.
if(LINUX_DCSIM)
  run(0 "\n100000\t" --task "${TASK}" --answers 1-100000)
  string(REPLACE "\r\n" "\n" windows "${out}")
  execute_process(COMMAND "${LINUX_DCSIM}" --task "${TASK}" --answers 1-100000 OUTPUT_VARIABLE linux)
  if(NOT windows STREQUAL linux)
    message(FATAL_ERROR "the Windows program's answers differ from the Linux program's")
  endif()
endif()
