# Writes the help of every command of the command-line tool as a section for
# help2man, so its manual page describes each command's options.
# cmake -DCLI=path/to/arvenna-map-cli -DOUTPUT=file -P cli-commands.cmake
execute_process(COMMAND ${CLI} --help OUTPUT_VARIABLE overview COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "\n  [a-z]+  " entries "${overview}")
set(text "[COMMANDS IN DETAIL]\n")
foreach(entry ${entries})
  string(STRIP "${entry}" command)
  execute_process(COMMAND ${CLI} ${command} --help OUTPUT_VARIABLE help COMMAND_ERROR_IS_FATAL ANY)
  # Backslashes and leading dots mean something to the manual page formatter.
  string(REPLACE "\\" "\\e" help "${help}")
  string(REGEX REPLACE "\n\\." "\n\\\\&." help "${help}")
  string(APPEND text ".SS ${command}\n.nf\n${help}.fi\n")
endforeach()
file(WRITE ${OUTPUT} "${text}")
