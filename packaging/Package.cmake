# The Debian package: cpack -G DEB in the build tree (scripts/package.sh)
# makes velacps_<version>_<arch>.deb of everything cmake --install puts
# under /usr, with the machine configuration in /etc/xdg.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velacps)
set(CPACK_PACKAGE_VENDOR Halvern)
set(CPACK_PACKAGE_CONTACT "Halvern dealer support <support@halvern.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dealer programming software for Vela LX two-way radios")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "The desktop program velacps creates and edits radio profiles, reads and\n writes radios over the USB programming cable and prints reports;\n velacps-cli does the same on the command line and velacps-radiosim\n emulates a radio for trying the radio link without one.")
# The Qt, XML and FTDI libraries come from what the programs link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the programs load at run time rather than link: the help's SQLite
# driver, the help and report pages' browser process, Qt's own translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6webenginecore6-bin, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, udev")

# One template for both maintainer scripts: they refresh the same caches.
set(script_dir ${CMAKE_BINARY_DIR}/packaging-scripts)
set(VELA_SCRIPT_PURPOSE "Lets the desktop see the new file type, menu entry and icon at once, and gives a cable already plugged in its access rights.")
set(VELA_SCRIPT_WHEN configure)
set(VELA_SCRIPT_UDEV_TRIGGER "udevadm trigger --subsystem-match=usb --subsystem-match=tty --attr-match=idVendor=0403 || true")
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/maintainer-script.in ${script_dir}/postinst @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(VELA_SCRIPT_PURPOSE "Takes the removed file type, menu entry, icon and cable rule out of the caches.")
set(VELA_SCRIPT_WHEN "remove|purge")
set(VELA_SCRIPT_UDEV_TRIGGER ":")
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/maintainer-script.in ${script_dir}/postrm @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
  ${script_dir}/postinst ${script_dir}/postrm ${CMAKE_CURRENT_LIST_DIR}/debian/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
