# Builds one language's translation for the executable, and stops the build where that
# language leaves a text of the game untranslated or unfinished.
# Usage: cmake -DLRELEASE=... -DSOURCE=de.ts -DOUTPUT=de.qm -P release.cmake
execute_process(COMMAND ${LRELEASE} ${SOURCE} -qm ${OUTPUT}
                OUTPUT_VARIABLE said ERROR_VARIABLE said RESULT_VARIABLE failed)
if(failed OR NOT said MATCHES " 0 unfinished" OR said MATCHES "untranslated")
    message(FATAL_ERROR "${SOURCE} leaves texts untranslated:\n${said}")
endif()
