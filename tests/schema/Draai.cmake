# draai(naam args...): runs PROGRAMMA with the arguments and leaves its output, error output and
# exit status in <naam>_uit, <naam>_fout and <naam>_code.
function(draai naam)
    execute_process(COMMAND ${PROGRAMMA} ${ARGN}
        OUTPUT_VARIABLE uitvoer ERROR_VARIABLE fout RESULT_VARIABLE code TIMEOUT 120)
    set(${naam}_uit "${uitvoer}" PARENT_SCOPE)
    set(${naam}_fout "${fout}" PARENT_SCOPE)
    set(${naam}_code "${code}" PARENT_SCOPE)
endfunction()
