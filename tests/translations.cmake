# SPDX-License-Identifier: GPL-3.0-or-later
# The translations are complete and in line with the code: lupdate, run on copies of the .ts
# files, changes nothing, and no message is left unfinished, obsolete or vanished.
#   cmake -DLUPDATE=... "-DOPTIONS=..." -DSOURCES_FILE=... -DTRANSLATIONS_DIR=... -DWORK=... -P
set(options ${OPTIONS})
file(GLOB ts_files "${TRANSLATIONS_DIR}/*.ts")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(failures "")
foreach(ts ${ts_files})
    get_filename_component(name "${ts}" NAME)
    set(copy "${WORK}/${name}")
    configure_file("${ts}" "${copy}" COPYONLY)
    execute_process(COMMAND "${LUPDATE}" ${options} "@${SOURCES_FILE}" -ts "${copy}"
        RESULT_VARIABLE result OUTPUT_QUIET)
    file(READ "${ts}" before)
    file(READ "${copy}" after)
    if(NOT result EQUAL 0)
        string(APPEND failures "${name}: lupdate failed (${result})\n")
    elseif(NOT before STREQUAL after)
        string(APPEND failures
            "${name}: not in line with the code; build the update_translations target\n")
    endif()
    if(after MATCHES "type=\"(unfinished|obsolete|vanished)\"")
        string(APPEND failures "${name}: has ${CMAKE_MATCH_1} messages\n")
    endif()
    # French sets a colon, semicolon, ! or ? off by a space that never breaks (U+00A0).
    if(name STREQUAL "limbora_fr.ts"
            AND before MATCHES "<(translation|numerusform)[^>]*>[^<]* [:;!?][^<]*<")
        string(APPEND failures "${name}: a breaking space before punctuation in \"${CMAKE_MATCH_0}\"\n")
    endif()
endforeach()
list(LENGTH ts_files count)
message(STATUS "${count} translations checked")
if(failures OR count EQUAL 0)
    message(FATAL_ERROR "${failures}")
endif()
