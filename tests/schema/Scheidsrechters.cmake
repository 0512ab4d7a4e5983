# --toewijzen: the same assignment on every run; with --bewaar it is kept in the file, which
# then prints it with --scheidsrechters and --pdf writes its referees printout; --scheidsrechters alone with --bewaar, or with an
# output of the schedule, is a wrong command.
#   PROGRAMMA, INVOER; MAP a scratch folder.
file(REMOVE_RECURSE ${MAP})
file(MAKE_DIRECTORY ${MAP})

include(${CMAKE_CURRENT_LIST_DIR}/Draai.cmake)

set(uit ${MAP}/met-scheidsrechters.trn)
draai(eerst --toewijzen ${INVOER})
draai(bewaar --toewijzen --bewaar ${uit} ${INVOER})
draai(gelezen --scheidsrechters ${uit})
if(NOT eerst_code EQUAL 0 OR NOT bewaar_code EQUAL 0 OR NOT gelezen_code EQUAL 0)
    message(FATAL_ERROR "Afsluitcodes ${eerst_code}, ${bewaar_code}, ${gelezen_code}:\n${bewaar_fout}${gelezen_fout}")
endif()
if(NOT bewaar_uit STREQUAL eerst_uit OR NOT gelezen_uit STREQUAL eerst_uit)
    message(FATAL_ERROR "De bewaarde toewijzing komt niet terug:\n${eerst_uit}---\n${gelezen_uit}")
endif()

draai(pdf --pdf ${MAP}/pdf ${uit})
if(NOT pdf_code EQUAL 0 OR NOT EXISTS ${MAP}/pdf/scheidsrechters.pdf)
    message(FATAL_ERROR "--pdf schreef geen scheidsrechters.pdf (${pdf_code}):\n${pdf_fout}")
endif()

draai(zonder --scheidsrechters --bewaar ${MAP}/niet.trn ${INVOER})
draai(pdf --toewijzen --pdf ${MAP} ${INVOER})
if(NOT zonder_code EQUAL 1 OR NOT pdf_code EQUAL 1 OR EXISTS ${MAP}/niet.trn)
    message(FATAL_ERROR "Geen gebruiksfout: ${zonder_code}, ${pdf_code}")
endif()
