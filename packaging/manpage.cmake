# Writes the gzipped manual page OUTPUT of PROGRAM with help2man, from the
# program's --help and --version. With COMMANDS=ON a COMMANDS section adds the
# --help of every command that the program's --help lists ("  NAME COMMAND ..."),
# in place of that list.
#   cmake -DHELP2MAN=... -DGZIP=... -DPROGRAM=... -DSUMMARY=... -DOUTPUT=... [-DCOMMANDS=ON]
#         -P manpage.cmake

# The pages are English whatever the language of the machine that builds
# them: the programs speak the first of LANGUAGE's languages, and C is English.
set(ENV{LANGUAGE} C)
set(ENV{LC_ALL} C)

get_filename_component(name ${PROGRAM} NAME)
set(roff ${OUTPUT}.tmp)
set(include_args)

# Text as roff: backslashes and minus signs escaped, no line taken for a request.
function(zrt_roff text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

if(COMMANDS)
  execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE overview RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${name} --help failed")
  endif()
  string(REGEX MATCHALL "\n  ${name} [a-z-]+" lines "${overview}")
  set(section "[COMMANDS]\n")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE ".* " "" command "${line}")
    execute_process(COMMAND ${PROGRAM} ${command} --help OUTPUT_VARIABLE help
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "${name} ${command} --help failed")
    endif()
    # The first line is the usage, the rest after a blank line explains it.
    string(REGEX REPLACE "^usage: ([^\n]*)\n\n?(.*)$" "\\1" usage "${help}")
    string(REGEX REPLACE "^usage: ([^\n]*)\n\n?(.*)$" "\\2" body "${help}")
    zrt_roff("${usage}" usage)
    zrt_roff("${body}" body)
    string(APPEND section ".TP\n.B ${usage}\n${body}")
  endforeach()
  file(WRITE ${OUTPUT}.h2m "${section}")
  set(include_args --include=${OUTPUT}.h2m)
endif()

execute_process(
  COMMAND ${HELP2MAN} --no-info --section=1 --name=${SUMMARY} --version-option=--version
          ${include_args} --output=${roff} ${PROGRAM}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "help2man could not write the manual page of ${name}")
endif()
if(COMMANDS)
  # The overview's list of commands, which the COMMANDS section explains.
  file(READ ${roff} page)
  string(REGEX REPLACE "\\.SS \"Commands:\"\n\\.IP\n([^.][^\n]*\n)*" "" page "${page}")
  file(WRITE ${roff} "${page}")
endif()
execute_process(COMMAND ${GZIP} -n -9 -c ${roff} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip could not compress the manual page of ${name}")
endif()
file(REMOVE ${roff} ${OUTPUT}.h2m)
