# Writes the machine configuration of an install; cmake --install runs it, so
# a --prefix given then counts. InstallPath is the data folder relative to
# the programs' folder (../share/velacps), so a package unpacked under any
# root still finds its data; the file goes where the programs look for it:
# /etc/xdg for a /usr install, else <prefix>/etc/xdg beside their folder.
# Needs VELA_MACHINE_CONFIG_TEMPLATE, VELA_MACHINE_CONFIG_NAME,
# VELA_INSTALL_BINDIR and VELA_INSTALL_DATADIR.
file(RELATIVE_PATH data_dir "${CMAKE_INSTALL_PREFIX}/${VELA_INSTALL_BINDIR}"
     "${CMAKE_INSTALL_PREFIX}/${VELA_INSTALL_DATADIR}/velacps")
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(config_dir "/etc/xdg/Halvern")
else()
  set(config_dir "${CMAKE_INSTALL_PREFIX}/etc/xdg/Halvern")
endif()
string(REPLACE "\\" "\\\\" escaped "${data_dir}")
string(REPLACE "\"" "\\\"" VELA_INSTALL_PATH "${escaped}")
set(target "$ENV{DESTDIR}${config_dir}/${VELA_MACHINE_CONFIG_NAME}")
message(STATUS "Installing: ${target}")
configure_file("${VELA_MACHINE_CONFIG_TEMPLATE}" "${target}" @ONLY)
