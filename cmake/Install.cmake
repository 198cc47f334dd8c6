# What `cmake --install` puts where. Included from the root after every folder, so each target
# is known here wherever it is defined.
include(GNUInstallDirs)

set(PUDOROCK_ICON_SIZES 16 32 48 64 128 256)

# The game: the program, its menu entry and icons, its metadata, the replay file's type, manual
# and README.
install(TARGETS pudorock RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT game)
install(FILES assets/pudorock.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
  COMPONENT game)
foreach(size ${PUDOROCK_ICON_SIZES})
  install(FILES assets/icons/pudorock-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME pudorock.png COMPONENT game)
endforeach()
install(FILES assets/io.github.pudorock.pudorock.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT game)
# The replay file's type, which the menu entry opens.
install(FILES assets/pudorock-replay.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
  COMPONENT game)
install(FILES assets/pudorock.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT game)
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT game)
# Its translations, as po/ compiled them.
install(DIRECTORY ${PROJECT_BINARY_DIR}/locale/ DESTINATION ${CMAKE_INSTALL_LOCALEDIR}
  COMPONENT game)
# Its replay checker, which needs no display.
install(TARGETS pudorock-replay RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT game)
install(FILES tools/replay/pudorock-replay.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
  COMPONENT game)

# The ranking server, when this tree has one: the program, its manual and its service (a
# systemd unit, its user and its environment file), whose places depend on the prefix.
if(TARGET pudorock-ranking-server)
  install(TARGETS pudorock-ranking-server RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    COMPONENT server)
  install(FILES assets/pudorock-ranking-server.8 DESTINATION ${CMAKE_INSTALL_MANDIR}/man8
    COMPONENT server)
  install(CODE "
    set(pudorock_service_source \"${PROJECT_SOURCE_DIR}/server/service\")
    set(pudorock_service_staging \"${PROJECT_BINARY_DIR}/service\")
    set(pudorock_bindir \"${CMAKE_INSTALL_BINDIR}\")" COMPONENT server)
  install(SCRIPT cmake/InstallService.cmake COMPONENT server)
endif()

# Only what the packages hold, so that they can be made without building every test: cpack's
# install step then builds nothing, and `make package` builds this target first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
add_custom_target(installed-programs)
add_dependencies(installed-programs pudorock pudorock-replay translations)
if(TARGET pudorock-ranking-server)
  add_dependencies(installed-programs pudorock-ranking-server)
endif()
