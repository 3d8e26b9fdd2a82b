# The command line through the real program (DCSIM), with no display to open
# a window on: help, version, a bad option, a zoom and a variant at and past
# their edges, the teacher's answers for the example task (TASK), the same
# twice, and the check of handed-in tables.
# EMULATOR: what runs DCSIM, as words separated by spaces (Wine for a Windows
# build), and LANGUAGE_OPTION what it needs to speak Russian there;
# LINUX_DCSIM: a Linux build's program to compare the answers with.
cmake_policy(VERSION 3.25)
separate_arguments(EMULATOR)
function(run status expected)
  execute_process(COMMAND ${EMULATOR} "${DCSIM}" ${LANGUAGE_OPTION} ${ARGN}
                  RESULT_VARIABLE got OUTPUT_VARIABLE out ERROR_VARIABLE err)
  # What was asked for goes to standard output (a check's report too), what was wrong to standard error.
  if(status EQUAL 2)
    string(FIND "${err}" "${expected}" at)
  else()
    string(FIND "${out}" "${expected}" at)
  endif()
  if(NOT got STREQUAL status OR at EQUAL -1)
    message(FATAL_ERROR "dcsim ${ARGN}: status ${got}, expected ${status} and \"${expected}\" in:\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

run(0 "--task <файл>" --help)
run(0 "dcsim ${VERSION}\n" --version)
run(2 "dcsim: Неизвестный параметр «colour»." --colour)
run(2 "dcsim: --zoom: нужно число от 1 до 4, например 1.5, а не «4.01»." --zoom 4.01)
run(2 "dcsim: --zoom: нужно число от 1 до 4, например 1.5, а не «0.99»." --zoom 0.99)
run(2 "dcsim: --variant: нужен номер варианта от 1 до 100000, а не «100001»." --task "${TASK}" --variant 100001)
# The edges themselves pass: the largest zoom and the last variant.
run(0 "\n100000\t" --zoom 4 --task "${TASK}" --answers 99999-100000)
run(0 "Вариант\tE\tr\tRv\tRa\tRmax\tk1\tb1\tk2\tb2\tE1\tr1\tE2\tr2\n1\t6.4\t5\t150\t0.5\t100\t-04.8387\t\
06.1935\t-05.5000\t06.4000\t06.1935\t04.8387\t06.4000\t05.5000\n2\t6\t1.1\t" --task "${TASK}" --answers 1-30)
set(first "${out}")
run(0 "\n21\t5.5\t0.6\t150\t0.5\t100\t" --task "${TASK}" --answers 1-30)
if(NOT out STREQUAL first)
  message(FATAL_ERROR "two runs gave different answers:\n${first}\n${out}")
endif()

# Rows the program records in variant 7, scheme 1, at the positions 100 and 0; the variant read from the
# file's name. The same with one digit changed; another program's file, checked with the others.
set(dir "${CMAKE_CURRENT_BINARY_DIR}/command_line")
set(genuine "n,I_A,U_V,Po_W,Pv_W,eta\r\n1,0.096,9.63,1.58,0.92,0.58\r\n2,4.488,2.24,44.58,0.00,0.00\r\n")
file(WRITE "${dir}/таблица-вариант-7-2026-03-05-1410.csv" "${genuine}")
string(REPLACE "9.63" "9.64" changed "${genuine}")
file(WRITE "${dir}/copy-variant-7.csv" "${changed}")
file(WRITE "${dir}/other.csv" "Date,Value\r\n")
run(0 "вариант 7 (из имени файла):\nстрока 2, n = 1: настоящая: схема 1, R = 100 Ом (положение движка 100)\n"
    --task "${TASK}" --check "${dir}/таблица-вариант-7-2026-03-05-1410.csv")
run(1 "\nстрока 2, n = 1: НЕ НАСТОЯЩАЯ" --task "${TASK}" --check "${dir}/copy-variant-7.csv")
run(2 "такого файла нет" --task "${TASK}" --variant 100000 --check "${dir}/missing.csv") # the last variant taken
set(shown "${dir}/other.csv") # as the program shows a path: with backslashes on Windows
if(EMULATOR)
  string(REPLACE "/" "\\" shown "${shown}")
endif()
run(2 "dcsim: таблица «${shown}»: строка 1: это не таблица измерений программы"
    --task "${TASK}" --variant 7 --check "${dir}/copy-variant-7.csv" "${dir}/other.csv" "${dir}/таблица-вариант-7-2026-03-05-1410.csv")

# Windows and Linux draw the same variants, to the last digit printed.
if(LINUX_DCSIM)
  run(0 "\n100000\t" --task "${TASK}" --answers 1-100000)
  string(REPLACE "\r\n" "\n" windows "${out}")
  execute_process(COMMAND "${LINUX_DCSIM}" --task "${TASK}" --answers 1-100000 OUTPUT_VARIABLE linux)
  if(NOT windows STREQUAL linux)
    message(FATAL_ERROR "the Windows program's answers differ from the Linux program's")
  endif()
endif()
