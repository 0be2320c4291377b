# Install script: writes the menu entry with the installed program's full
# path, so the entry starts Fennick whatever the prefix and PATH, and
# installs it. Set before it runs: fennick_desktop_template (the entry with
# @FENNICK_EXEC@) and fennick_desktop_staging (a folder where the finished
# entry is written before it is installed, one sub-folder per prefix so
# that installs into two prefixes at once do not meet).
set(program "${CMAKE_INSTALL_PREFIX}/bin/fennick")
if(program MATCHES "^[A-Za-z0-9/._+-]+$")
    set(FENNICK_EXEC "${program}")
else()
    # A quoted Exec argument escapes ", `, $ and \ with a backslash and
    # doubles %; the key's own string escaping then doubles each backslash.
    string(REPLACE "\\" "\\\\" quoted "${program}")
    string(REPLACE "\"" "\\\"" quoted "${quoted}")
    string(REPLACE "`" "\\`" quoted "${quoted}")
    string(REPLACE "$" "\\$" quoted "${quoted}")
    string(REPLACE "%" "%%" quoted "${quoted}")
    string(REPLACE "\\" "\\\\" quoted "${quoted}")
    set(FENNICK_EXEC "\"${quoted}\"")
endif()
string(MD5 prefix_key "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(entry "${fennick_desktop_staging}/${prefix_key}/fennick.desktop")
configure_file("${fennick_desktop_template}" "${entry}" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications" TYPE FILE FILES "${entry}")
