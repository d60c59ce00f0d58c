# Writes the man page: the frame of astro.1.in around the program's --help, each line
# kept as it is (a line starting with a dot or an apostrophe escaped, backslashes doubled).
execute_process(COMMAND ${ASTRO} --help OUTPUT_VARIABLE aide RESULT_VARIABLE statut)
if(NOT statut EQUAL 0)
  message(FATAL_ERROR "astro --help a échoué (${statut})")
endif()
string(REPLACE "\\" "\\e" aide "${aide}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" aide "${aide}")
file(READ ${MODELE} modele)
string(REPLACE "@AIDE@" "${aide}" page "${modele}")
file(WRITE ${SORTIE} "${page}")
