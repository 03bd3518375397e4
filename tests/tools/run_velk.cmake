cmake_minimum_required(VERSION 3.25)
# Runs velk once (cmake -P) and checks what a user would see:
#   VELK, ARGS (separated by |), EXIT: the expected exit status
#   FILE: the message file, passed last and put for @FILE@ in the expected output
#   STDOUT: a file the output must equal (@MS@ stands for the load time), MATCH: a regex it
#     must match, STDERR: a regex the one line on stderr must match when the status is not 0
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND ${VELK} ${args} ${FILE} RESULT_VARIABLE code OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
set(seen "velk ${args} ${FILE}\nexit ${code}\nstdout:\n${out}\nstderr:\n${err}")
if(NOT code STREQUAL EXIT)
  message(FATAL_ERROR "exit status ${code}, expected ${EXIT}\n${seen}")
endif()
if(EXIT EQUAL 0)
  if(NOT err STREQUAL "")
    message(FATAL_ERROR "stderr is not empty\n${seen}")
  endif()
elseif(NOT err MATCHES "^velk: [^\n]*${STDERR}[^\n]*\n$" OR NOT out STREQUAL "")
  message(FATAL_ERROR "expected one line on stderr matching '${STDERR}' and no output\n${seen}")
endif()
if(STDOUT)
  file(READ ${STDOUT} expected)
  string(REPLACE "@FILE@" "${FILE}" expected "${expected}")
  string(REGEX REPLACE "in [0-9]+\\.[0-9] ms" "in @MS@ ms" out "${out}")
  if(NOT out STREQUAL expected)
    message(FATAL_ERROR "output differs from ${STDOUT}\n${seen}")
  endif()
endif()
if(MATCH AND NOT out MATCHES "${MATCH}")
  message(FATAL_ERROR "output does not match '${MATCH}'\n${seen}")
endif()
