cmake_minimum_required(VERSION 3.25)
# Fails on any error appstreamcli finds in the AppStream data, and shows every issue it finds.
# Warnings do not fail it: appstreamcli 1.0 wants a homepage, which the game does not have.
# Run as: cmake -DAPPSTREAMCLI=<appstreamcli> -DFILE=<metainfo.xml> -P check_appstream.cmake
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --pedantic --format yaml ${FILE}
  OUTPUT_VARIABLE report ERROR_VARIABLE report)
message("${report}")
if(NOT report MATCHES "\nPassed: (yes|no)")
  message(FATAL_ERROR "appstreamcli gave no verdict")
elseif(report MATCHES "severity: error")
  message(FATAL_ERROR "the AppStream data has errors")
endif()
