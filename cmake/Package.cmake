# The Debian package (cpack -G DEB, or ./package). Library dependencies come
# from dpkg-shlibdeps; the Qt platform plugins are loaded at run time, so
# they are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME nxa7310)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "NXA-7310 module developers <nxa7310@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "NXA-7310 access point management module, reference host and simulator")
set(CPACK_PACKAGE_DESCRIPTION
    "AP_PlugIn.plx, the module a network-management host loads to query, configure and upgrade NXA-7310 access points over SNMP; aerodesk, a reference host; nxa-sim, a simulated fleet of access points; nxa-ftpd, the FTP server devices fetch firmware from.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "snmp, snmp-mibs-downloader")
set(CPACK_STRIP_FILES ON)
include(CPack)
