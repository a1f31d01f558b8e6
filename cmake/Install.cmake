# Where `cmake --install` and the Debian package put each part:
#   bin/                       aerodesk, nxa-sim, nxa-ftpd
#   lib/<triplet>/nxa7310/      AP_PlugIn.plx and its model folder NXA-7310/errMSg/
#   include/nxa7310/            AP_PlugIn.h (C and C++) and CFTPServer.h (C++ hosts)
#   lib/<triplet>/pkgconfig/    nxa7310.pc (cflags, and the module's path as "module")
#   share/snmp/mibs/            NXA7310-MIB.txt
#   share/nxa7310/mibs/         the reduced SNMPv2-SMI/-TC it imports, where no IETF MIBs are installed
#   share/man/man1/             the programs' manual pages (from their --help, by help2man)
install(TARGETS aerodesk nxa-sim nxa-ftpd RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS AP_PlugIn LIBRARY DESTINATION ${NXA_MODULE_INSTALL_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/src/host/AP_PlugIn.h ${CMAKE_SOURCE_DIR}/servers/CFTPServer.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/nxa7310)
install(FILES ${CMAKE_SOURCE_DIR}/mib/NXA7310-MIB.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/snmp/mibs)
# The reduced SNMPv2-SMI and SNMPv2-TC the module imports from, for machines
# without the IETF modules (Debian ships them apart, in snmp-mibs-downloader).
# Kept out of net-snmp's own folders: there they would hide the full modules
# from every other MIB.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/mib/base/ DESTINATION ${CMAKE_INSTALL_DATADIR}/nxa7310/mibs)

# The message catalogs, written from the module's built-in texts (those a
# line can carry): an administrator edits a line there to change a message.
set(nxa_model_dir ${CMAKE_BINARY_DIR}/model/NXA-7310)
add_custom_command(OUTPUT ${nxa_model_dir}/errMSg/zrsnmp.err
  COMMAND nxa-catalogs ${nxa_model_dir}/errMSg
  DEPENDS nxa-catalogs
  COMMENT "Writing the message catalogs")
add_custom_target(nxa_model_folder ALL DEPENDS ${nxa_model_dir}/errMSg/zrsnmp.err)
install(DIRECTORY ${nxa_model_dir} DESTINATION ${NXA_MODULE_INSTALL_DIR})

# pkg-config: relocatable, so that an install under any prefix is found
# through PKG_CONFIG_PATH alone.
file(RELATIVE_PATH nxa_pc_to_prefix
     ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" nxa_pc_to_prefix "${nxa_pc_to_prefix}")
configure_file(${CMAKE_SOURCE_DIR}/packaging/nxa7310.pc.in ${CMAKE_BINARY_DIR}/nxa7310.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/nxa7310.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# Manual pages from --help. Off in sanitizer builds, where running a
# program at build time may end in a leak report.
if(NXA_SANITIZE OR NXA_TSAN OR NXA_FUZZ)
  set(nxa_man_default OFF)
else()
  set(nxa_man_default ON)
endif()
option(NXA_MAN_PAGES "Write manual pages with help2man" ${nxa_man_default})
find_program(HELP2MAN help2man)
if(NXA_MAN_PAGES AND HELP2MAN)
  set(nxa_man_pages)
  foreach(program aerodesk nxa-sim nxa-ftpd)
    set(page ${CMAKE_BINARY_DIR}/man/${program}.1)
    add_custom_command(OUTPUT ${page}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
              ${HELP2MAN} --no-info --version-string=${PROJECT_VERSION}
              --output=${page} $<TARGET_FILE:${program}>
      DEPENDS ${program}
      COMMENT "Writing the manual page of ${program}")
    list(APPEND nxa_man_pages ${page})
  endforeach()
  add_custom_target(nxa_man_pages ALL DEPENDS ${nxa_man_pages})
  install(FILES ${nxa_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
elseif(NXA_MAN_PAGES)
  message(STATUS "help2man not found: no manual pages")
endif()

include(cmake/Package.cmake)
