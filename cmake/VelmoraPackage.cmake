# `cpack -G DEB` in a build folder makes velmora_<version>_<arch>.deb from the
# install rules. Its Depends come from dpkg-shlibdeps (package dpkg-dev), which
# reads them off the program itself; the Qt platform, image and sound plugins
# live in those same library packages on Debian 12. The user's program folder
# (~/.local/share/Velmora) is not part of the package: removing or upgrading
# it leaves the child's pictures and the settings alone.
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "The Velmora developers")
set(CPACK_PACKAGE_CONTACT "Velmora developers <velmora@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colouring book for young children")
set(CPACK_PACKAGE_DESCRIPTION
  "Velmora is a full-screen electronic colouring book for young children.\n\
A child picks an outline picture and colours it with a magic crayon,\n\
paintbrush or colouring pencil; every stroke stays inside the white area\n\
where it started. Every coloured picture is saved and reopened next time.\n\
Grown-ups reach quitting, printing and the settings behind a confirmation\n\
with an optional password, and add their own books of pictures.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The child's and the grown-ups' fonts (controls/program_fonts.h), which no library names.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-comic-neue, fonts-dejavu-core")
# The kiosk session entry runs Velmora in cage; Qt's Wayland platform runs it
# natively on a Wayland desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cage, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VELMORA_WEBSITE}")

include(CPack)
