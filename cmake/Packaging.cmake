# `make package`: a Debian package made by CPack. dpkg-shlibdeps computes the
# shared-library dependencies from the installed programs; the font is named
# by hand (the board's text columns need IPAGothic); GNU Go and socat are only
# suggested (a peer for the serial link and for matches).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kazaori)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Kazaori developers <kazaori@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Go (igo) game with a Japanese interface")
set(CPACK_PACKAGE_DESCRIPTION
  "Kazaori (対局囲碁　風織) plays Go on 19, 13 or 9 lines against its built-in\n\
computer player, another person at the same board, or another Go program over\n\
a serial line (Go Modem Protocol). It keeps game records in its own kifu\n\
format with SGF and a Shift-JIS text board beside them, replays them and\n\
counts finished games. kazaori-cli serves the engine over GTP.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "gnugo, socat")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kazaori.github.io/")
include(CPack)
