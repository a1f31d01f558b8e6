# net-snmp ships no CMake package; its libraries are found directly.
find_path(NETSNMP_INCLUDE_DIR net-snmp/net-snmp-config.h REQUIRED)
find_library(NETSNMP_LIBRARY netsnmp REQUIRED)
find_library(NETSNMP_AGENT_LIBRARY netsnmpagent REQUIRED)
add_library(NetSnmp::NetSnmp UNKNOWN IMPORTED)
set_target_properties(NetSnmp::NetSnmp PROPERTIES
  IMPORTED_LOCATION ${NETSNMP_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${NETSNMP_INCLUDE_DIR})
add_library(NetSnmp::Agent UNKNOWN IMPORTED)
set_target_properties(NetSnmp::Agent PROPERTIES
  IMPORTED_LOCATION ${NETSNMP_AGENT_LIBRARY}
  INTERFACE_LINK_LIBRARIES NetSnmp::NetSnmp)
