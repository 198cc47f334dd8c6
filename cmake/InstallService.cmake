# Run at install time (install(SCRIPT)), when the prefix is known: cpack's is /usr, which puts
# the ranking server's service files where the system looks for them; any other prefix keeps
# them under itself. The unit names the program and the environment file where they land.
# Given: pudorock_service_source, pudorock_service_staging, pudorock_bindir.
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(unit_dir /lib/systemd/system)
  set(defaults_dir /etc/default)
else()
  set(unit_dir ${CMAKE_INSTALL_PREFIX}/lib/systemd/system)
  set(defaults_dir ${CMAKE_INSTALL_PREFIX}/etc/default)
endif()
set(PUDOROCK_SERVER_PROGRAM ${CMAKE_INSTALL_PREFIX}/${pudorock_bindir}/pudorock-ranking-server)
set(PUDOROCK_SERVER_ENVIRONMENT_FILE ${defaults_dir}/pudorock-ranking-server)

configure_file(${pudorock_service_source}/pudorock-ranking-server.service.in
  ${pudorock_service_staging}/pudorock-ranking-server.service @ONLY)
file(INSTALL ${pudorock_service_staging}/pudorock-ranking-server.service
  DESTINATION ${unit_dir})
file(INSTALL ${pudorock_service_source}/pudorock-ranking-server.sysusers
  DESTINATION ${CMAKE_INSTALL_PREFIX}/lib/sysusers.d RENAME pudorock-ranking-server.conf)
file(INSTALL ${pudorock_service_source}/pudorock-ranking-server.default
  DESTINATION ${defaults_dir} RENAME pudorock-ranking-server)
