# The paper options of --pdf reach the page size of the written files, and a paper name the
# tool does not know is refused before anything is written.
#   PROGRAMMA, INVOER as in VergelijkUitvoer.cmake; PDFINFO the pdfinfo tool; MAP a scratch folder.
file(REMOVE_RECURSE ${MAP})

# The page size of a PDF in whole points, as "breedte x hoogte".
function(pagina_maat pdf uitkomst)
    execute_process(COMMAND ${PDFINFO} ${pdf} OUTPUT_VARIABLE info RESULT_VARIABLE code)
    if(NOT code EQUAL 0 OR NOT info MATCHES "Page size: +([0-9]+)[.0-9]* x ([0-9]+)")
        message(FATAL_ERROR "pdfinfo kon ${pdf} niet lezen (${code}):\n${info}")
    endif()
    set(${uitkomst} "${CMAKE_MATCH_1} x ${CMAKE_MATCH_2}" PARENT_SCOPE)
endfunction()

cmake_policy(SET CMP0007 NEW)
foreach(geval "A4;;595 x 842" "A3;--papier;A3;--liggend;1191 x 842" "A5;--papier;a5;420 x 595"
        "Letter;--papier;Letter;--liggend;792 x 612")
    list(POP_FRONT geval naam)
    list(POP_BACK geval verwacht)
    execute_process(COMMAND ${PROGRAMMA} --pdf ${MAP}/${naam} ${geval} ${INVOER}
        OUTPUT_VARIABLE uitvoer ERROR_VARIABLE fout RESULT_VARIABLE code TIMEOUT 120)
    if(NOT code EQUAL 0)
        message(FATAL_ERROR "--pdf ${geval} gaf ${code}:\n${fout}")
    endif()
    foreach(bestand schema poules scheidsrechterbriefjes)
        pagina_maat(${MAP}/${naam}/${bestand}.pdf maat)
        if(NOT maat STREQUAL verwacht)
            message(FATAL_ERROR "${naam}/${bestand}.pdf is ${maat} punten, verwacht ${verwacht}.")
        endif()
    endforeach()
    # A file without referees has no referees printout.
    if(EXISTS ${MAP}/${naam}/scheidsrechters.pdf)
        message(FATAL_ERROR "${naam}/scheidsrechters.pdf geschreven zonder scheidsrechters.")
    endif()
endforeach()

foreach(geval "--pdf;${MAP}/B5;--papier;B5;onbekend papierformaat B5"
        "--liggend;alleen samen met --pdf")
    list(POP_BACK geval melding)
    execute_process(COMMAND ${PROGRAMMA} ${geval} ${INVOER}
        OUTPUT_VARIABLE uitvoer ERROR_VARIABLE fout RESULT_VARIABLE code TIMEOUT 60)
    if(NOT code EQUAL 1 OR NOT fout MATCHES "rondoplan-schema: [^\n]*${melding}" OR EXISTS ${MAP}/B5)
        message(FATAL_ERROR "${geval} gaf ${code}:\n${fout}")
    endif()
endforeach()
