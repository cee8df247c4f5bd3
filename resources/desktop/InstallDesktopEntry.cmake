# Run by `cmake --install`, once the prefix is final: writes `entry` from
# `entry_template` with Exec= naming the installed launcher, and installs it
# into `applications`. Folders relative to the prefix may be absolute.
# A relative prefix is taken from the current folder, as `cmake --install` does.
set(prefix "${CMAKE_INSTALL_PREFIX}")
cmake_path(ABSOLUTE_PATH prefix NORMALIZE)
cmake_path(ABSOLUTE_PATH bindir BASE_DIRECTORY "${prefix}" NORMALIZE)
cmake_path(ABSOLUTE_PATH applications BASE_DIRECTORY "${prefix}" NORMALIZE)

# Exec= takes the path as one quoted argument: inside the quotes ", `, $ and \
# are escaped with \, then every \ is doubled as the entry's string escape;
# a % stands for itself only doubled.
string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" exec "${bindir}/kalnor-launcher")
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")
set(exec "\"${exec}\"")

configure_file("${entry_template}" "${entry}" @ONLY)
file(INSTALL DESTINATION "${applications}" TYPE FILE FILES "${entry}")
