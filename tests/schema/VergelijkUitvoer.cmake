# Runs rondoplan-schema on one tournament file and compares its standard output whole (and,
# when an expected file is given, its standard error whole) and its exit status.
#   PROGRAMMA  the tool          INVOER     the .trn file       CODE  the expected exit status
#   OPTIES     options (list)    VERWACHT   expected stdout, or empty for none
#   FOUT       expected stderr, or empty to leave stderr unchecked
execute_process(
    COMMAND ${PROGRAMMA} ${OPTIES} ${INVOER}
    OUTPUT_VARIABLE uitvoer
    ERROR_VARIABLE foutuitvoer
    RESULT_VARIABLE code
    TIMEOUT 60)

set(verwacht "")
if(VERWACHT)
    file(READ ${VERWACHT} verwacht)
endif()

set(mislukt FALSE)
if(NOT "${code}" STREQUAL "${CODE}")
    message(SEND_ERROR "Afsluitcode ${code}, verwacht ${CODE}.")
    set(mislukt TRUE)
endif()
if(NOT "${uitvoer}" STREQUAL "${verwacht}")
    message(SEND_ERROR "Standaarduitvoer wijkt af.\n--- verwacht ---\n${verwacht}--- kreeg ---\n${uitvoer}---")
    set(mislukt TRUE)
endif()
if(FOUT)
    file(READ ${FOUT} verwachteFout)
    if(NOT "${foutuitvoer}" STREQUAL "${verwachteFout}")
        message(SEND_ERROR "Foutuitvoer wijkt af.\n--- verwacht ---\n${verwachteFout}--- kreeg ---\n${foutuitvoer}---")
        set(mislukt TRUE)
    endif()
endif()
if(mislukt)
    message(FATAL_ERROR "Foutuitvoer van het programma:\n${foutuitvoer}")
endif()
