# `cpack` in the build folder: one Debian package per component, named as Debian names them.
set(PUDOROCK_HOMEPAGE "https://github.com/pudorock/pudorock" CACHE STRING
  "The project's home page, named in the packages")
set(PUDOROCK_PACKAGER "pudorock developers <pudorock@users.noreply.github.com>" CACHE STRING
  "The Maintainer of the Debian packages")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_CONTACT ${PUDOROCK_PACKAGER})
set(CPACK_PACKAGE_HOMEPAGE_URL ${PUDOROCK_HOMEPAGE})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL game)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_DEBIAN_GAME_PACKAGE_NAME pudorock)
set(CPACK_DEBIAN_GAME_PACKAGE_SECTION games)
# Found through fontconfig at run time, so no library dependency names it.
set(CPACK_DEBIAN_GAME_PACKAGE_DEPENDS fonts-ipafont-gothic)
# The replay file's type (share/mime/packages) needs no maintainer script: shared-mime-info's
# dpkg trigger updates the MIME database wherever that package is installed.
# The first line is the summary; CPack indents the others.
set(CPACK_COMPONENT_GAME_DESCRIPTION "colour-counting arcade game
Blocks of up to ten colours appear one at a time on a 30 x 30 board; press the
digit of the colour that has the most blocks before the time bar runs empty.")

if(TARGET pudorock-ranking-server)
  list(APPEND CPACK_COMPONENTS_ALL server)
  set(CPACK_DEBIAN_SERVER_PACKAGE_NAME pudorock-ranking-server)
  set(CPACK_DEBIAN_SERVER_PACKAGE_SECTION net)
  set(CPACK_COMPONENT_SERVER_DESCRIPTION "internet ranking server for pudorock
Takes the results players send from the game and shows the ranking page.")
  # Its service's user made, its environment file kept as the administrator edited it.
  set(server_deb ${CMAKE_CURRENT_LIST_DIR}/ranking-server-deb)
  set(CPACK_DEBIAN_SERVER_PACKAGE_CONTROL_EXTRA
    ${server_deb}/conffiles ${server_deb}/postinst ${server_deb}/prerm ${server_deb}/postrm)
  set(CPACK_DEBIAN_SERVER_PACKAGE_CONTROL_STRICT_PERMISSION ON)
endif()

include(CPack)
