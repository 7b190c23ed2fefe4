# cmake -P script: the man page of one program, gzipped. A program with subcommands
# (listed under "Subcommands:" in its --help) gets a COMMANDS section holding each
# subcommand's --help, so that new subcommands appear without editing anything here.
#   -DPROGRAM= -DNAME= -DSECTIONS=<help2man include file> -DVERSION= -DHELP2MAN= -DGZIP=
#   -DOUTPUT=<page>.1.gz

# Verbatim text for roff inside .nf: backslashes and minus signs escaped, and lines that
# roff or help2man would read as requests or directives made plain.
function(as_roff_text text out)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    string(REGEX REPLACE "(^|\n)([.'[/])" "\\1\\\\&\\2" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

file(READ ${SECTIONS} include_text)
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --help failed: ${status}")
endif()

if(help MATCHES "\nSubcommands:\n")
    string(REGEX REPLACE ".*\nSubcommands:\n" "" listing "${help}")
    string(REGEX REPLACE "\n\n.*" "" listing "${listing}")
    string(REGEX MATCHALL "(^|\n)  [a-z0-9-]+" commands "${listing}")
    string(APPEND include_text "\n[COMMANDS]\n")
    foreach(command IN LISTS commands)
        string(STRIP "${command}" command)
        execute_process(COMMAND ${PROGRAM} ${command} --help
            OUTPUT_VARIABLE command_help RESULT_VARIABLE status)
        if(NOT status EQUAL 0)
            message(FATAL_ERROR "${PROGRAM} ${command} --help failed: ${status}")
        endif()
        as_roff_text("${command_help}" command_help)
        string(APPEND include_text ".SS \"${NAME} ${command}\"\n.nf\n${command_help}.fi\n")
    endforeach()
endif()

string(REGEX REPLACE "\\.gz$" "" page "${OUTPUT}")
file(WRITE ${page}.h2m "${include_text}")
execute_process(
    COMMAND ${HELP2MAN} --no-info --section=1 --version-string=${VERSION}
        --include=${page}.h2m --output=${page} ${PROGRAM}
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "help2man failed for ${PROGRAM}: ${status}")
endif()
execute_process(COMMAND ${GZIP} -9nf ${page} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip failed for ${page}: ${status}")
endif()
