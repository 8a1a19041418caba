# The machine configuration: the build tree gets one pointing at the source
# tree's data folder (found by the programs in bin/ as ../etc/xdg), an install
# gets one pointing at the installed data.

set(VELA_MACHINE_CONFIG_TEMPLATE "${VELA_DATA_DIR}/etc/Vela LX Dealer CPS.ini.in")
set(VELA_MACHINE_CONFIG_NAME "Vela LX Dealer CPS.ini")

# Writes the template to output with InstallPath = path, escaped for a quoted
# INI string.
function(vela_write_machine_config output path)
  string(REPLACE "\\" "\\\\" escaped "${path}")
  string(REPLACE "\"" "\\\"" VELA_INSTALL_PATH "${escaped}")
  configure_file("${VELA_MACHINE_CONFIG_TEMPLATE}" "${output}" @ONLY)
endfunction()

vela_write_machine_config("${CMAKE_BINARY_DIR}/etc/xdg/Halvern/${VELA_MACHINE_CONFIG_NAME}" "${VELA_DATA_DIR}")

include(GNUInstallDirs)
install(CODE "set(VELA_MACHINE_CONFIG_TEMPLATE \"${VELA_MACHINE_CONFIG_TEMPLATE}\")
  set(VELA_MACHINE_CONFIG_NAME \"${VELA_MACHINE_CONFIG_NAME}\")
  set(VELA_INSTALL_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
  set(VELA_INSTALL_DATADIR \"${CMAKE_INSTALL_DATADIR}\")")
install(SCRIPT "${CMAKE_CURRENT_LIST_DIR}/InstallMachineConfig.cmake")
install(DIRECTORY "${VELA_DATA_DIR}/" DESTINATION "${CMAKE_INSTALL_DATADIR}/velacps"
        PATTERN etc EXCLUDE PATTERN CMakeLists.txt EXCLUDE PATTERN *.cmake EXCLUDE PATTERN *.ts EXCLUDE REGEX "translations/README\\.md$" EXCLUDE)
