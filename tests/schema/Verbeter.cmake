# --verbeter: the improved schedule is printed the same on every run, --bewaar keeps it in the
# file, the file then prints it without --verbeter, and the file without its kept group (what a
# reader that does not know the group reads) gives the builder's own schedule again.
#   PROGRAMMA, INVOER; MAP a scratch folder.
file(REMOVE_RECURSE ${MAP})
file(MAKE_DIRECTORY ${MAP})

include(${CMAKE_CURRENT_LIST_DIR}/Draai.cmake)

draai(eigen ${INVOER})
draai(verbeterd --verbeter ${INVOER})
draai(nogmaals --verbeter ${INVOER})
if(NOT verbeterd_code EQUAL 0 OR NOT verbeterd_fout MATCHES "Het schema is verbeterd")
    message(FATAL_ERROR "--verbeter gaf ${verbeterd_code}:\n${verbeterd_fout}")
endif()
if(verbeterd_uit STREQUAL eigen_uit OR NOT verbeterd_uit STREQUAL nogmaals_uit)
    message(FATAL_ERROR "Het verbeterde schema is gelijk aan het eigen schema of verschilt per run.")
endif()

set(uit ${MAP}/verbeterd.trn)
draai(bewaar --verbeter --bewaar ${uit} ${INVOER})
draai(gelezen ${uit})
if(NOT bewaar_code EQUAL 0 OR NOT gelezen_code EQUAL 0 OR NOT gelezen_uit STREQUAL verbeterd_uit)
    message(FATAL_ERROR "Het bewaarde schema komt niet terug (${bewaar_code}, ${gelezen_code}):\n"
                        "${bewaar_fout}\n${gelezen_uit}")
endif()

file(STRINGS ${uit} regels)
set(zonder "")
foreach(regel IN LISTS regels)
    if(NOT regel MATCHES "^SchemaPlek=")
        string(APPEND zonder "${regel}\n")
    endif()
endforeach()
file(WRITE ${MAP}/zonder.trn "${zonder}")
draai(oud ${MAP}/zonder.trn)
if(NOT oud_uit STREQUAL eigen_uit)
    message(FATAL_ERROR "Zonder de groep is het schema niet het eigen schema:\n${oud_uit}")
endif()

draai(samen --verbeter --stand ${INVOER})
if(NOT samen_code EQUAL 1)
    message(FATAL_ERROR "--verbeter --stand gaf ${samen_code}, geen gebruiksfout.")
endif()
