# Builds one language's translation for the executable, and stops the build where that
# language leaves a text of the game untranslated or unfinished, or a plural form empty,
# which lrelease counts as finished.
# Usage: cmake -DLRELEASE=... -DSOURCE=de.ts -DOUTPUT=de.qm -P release.cmake
# lrelease makes no folder for its output, and only some generators make one for a command.
get_filename_component(folder ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
execute_process(COMMAND ${LRELEASE} ${SOURCE} -qm ${OUTPUT}
                OUTPUT_VARIABLE said ERROR_VARIABLE said RESULT_VARIABLE failed)
file(READ ${SOURCE} translations)
if(failed)
    message(FATAL_ERROR "lrelease could not build ${OUTPUT} from ${SOURCE}:\n${said}")
elseif(NOT said MATCHES " 0 unfinished" OR said MATCHES "untranslated")
    message(FATAL_ERROR "${SOURCE} leaves texts untranslated:\n${said}")
elseif(translations MATCHES "<numerusform>[ \t\n]*</numerusform>")
    message(FATAL_ERROR "${SOURCE} leaves a plural form empty")
endif()
