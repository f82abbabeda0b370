# Install rules (GNUInstallDirs) and the Debian package (CPack).
#   cmake --install <build> --prefix <dir>
#   cpack --config <build>/CPackConfig.cmake -B <dir>   (configure with -DCMAKE_INSTALL_PREFIX=/usr)

include(GNUInstallDirs)
install(TARGETS kirv RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The small program that "kirv log" runs; the unit still starts bin/kirv.
install(TARGETS kirv-log RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/kirv)
# The windows and "kirv graph", which kirv loads when it needs them.
install(TARGETS kirv-desktop LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/kirv)
# The desktop notifications of "kirv log", which kirv-log loads when it has one to send.
install(TARGETS kirv-notify LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/kirv)
add_subdirectory(dist/linux)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kirv)
set(CPACK_PACKAGE_VENDOR "KIRV")
set(CPACK_PACKAGE_CONTACT "KIRV developers <kirv@kirv.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://kirv.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "network traffic meter with history graphs and totals")
set(CPACK_PACKAGE_DESCRIPTION
    "KIRV lives in the system tray and shows the live download and upload speeds of the chosen\n\
network interfaces. Every five minutes it writes the traffic of each monitored interface to a\n\
plain-text archive, from which it draws day, week, month and year graphs and totals the traffic\n\
of each day and month. The commands kirv report, kirv graph and kirv log do the same without a\n\
window. The user interface speaks French or English, following the user's language.")
# The unit's ExecStart and every installed path follow the configured prefix.
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so shlibdeps cannot see them: Wayland sessions, the splash font and the
# texts of Qt's own dialogs in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, fonts-dejavu-core, qt6-translations-l10n")
include(CPack)
