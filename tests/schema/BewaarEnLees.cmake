# Writes a tournament file again with --bewaar (twice, so the second write finds the first
# and keeps it as the backup), then checks that the written file gives the same schedule.
#   PROGRAMMA, INVOER, VERWACHT as in VergelijkUitvoer.cmake; MAP a scratch folder.
file(REMOVE_RECURSE ${MAP})
file(MAKE_DIRECTORY ${MAP})
set(uit ${MAP}/kopie.trn)
foreach(keer 1 2)
    execute_process(COMMAND ${PROGRAMMA} --bewaar ${uit} ${INVOER}
        OUTPUT_VARIABLE uitvoer ERROR_VARIABLE fout RESULT_VARIABLE code TIMEOUT 60)
    if(NOT code EQUAL 0 OR NOT "${uitvoer}" STREQUAL "")
        message(FATAL_ERROR "--bewaar gaf ${code}:\n${uitvoer}\n${fout}")
    endif()
endforeach()
if(NOT EXISTS ${MAP}/kopie.bak)
    message(FATAL_ERROR "Geen backup kopie.bak naast het overschreven bestand.")
endif()
execute_process(COMMAND ${PROGRAMMA} ${uit}
    OUTPUT_VARIABLE uitvoer RESULT_VARIABLE code TIMEOUT 60)
file(READ ${VERWACHT} verwacht)
if(NOT code EQUAL 0 OR NOT "${uitvoer}" STREQUAL "${verwacht}")
    message(FATAL_ERROR "Het geschreven bestand geeft een ander schema (${code}):\n${uitvoer}")
endif()

# A folder that does not exist cannot be written to.
execute_process(COMMAND ${PROGRAMMA} --bewaar ${MAP}/bestaat/niet.trn ${INVOER}
    OUTPUT_VARIABLE uitvoer ERROR_VARIABLE fout RESULT_VARIABLE code TIMEOUT 60)
if(NOT code EQUAL 1 OR NOT "${uitvoer}" STREQUAL "" OR "${fout}" STREQUAL "")
    message(FATAL_ERROR "Schrijven naar een onbestaande map gaf ${code}:\n${uitvoer}\n${fout}")
endif()
