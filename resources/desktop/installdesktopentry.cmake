# Writes one desktop entry when installing (run by `cmake --install`, DESTDIR honoured), with the
# installed program in its Exec key. Set before including: ENTRY_TEMPLATE (the .desktop.in file),
# ENTRY_PROGRAM and ENTRY_FOLDER (under the prefix), TALLOWICK_APP_ID and TALLOWICK_HOME_ID.

get_filename_component(entry_name "${ENTRY_TEMPLATE}" NAME)
string(REGEX REPLACE "\\.in$" "" entry_name "${entry_name}")
set(program "${CMAKE_INSTALL_PREFIX}/${ENTRY_PROGRAM}")

# The Exec key's rules: a % is doubled to stay clear of field codes; an argument with a reserved
# character goes in double quotes, inside which " ` $ \ take a backslash; then the value, like
# every string value, escapes its backslashes once more.
string(REPLACE "%" "%%" argument "${program}")
if(argument MATCHES "[ \t\n\"'\\\\><~|&;$*?#()`]")
  string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" argument "${argument}")
  set(argument "\"${argument}\"")
endif()
string(REPLACE "\\" "\\\\" TALLOWICK_EXEC "${argument}")

set(entry "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${ENTRY_FOLDER}/${entry_name}")
message(STATUS "Installing: ${entry}")
configure_file("${ENTRY_TEMPLATE}" "${entry}" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${entry}")
