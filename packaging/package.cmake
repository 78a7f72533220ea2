# The Debian package (script/package): what the install rules put under /usr, plus the manual
# pages, made from the programs' own --help and --version, and the copyright and changelog that
# every Debian package carries. The version is the project's.
include(GNUInstallDirs)
find_program(TABULOR_HELP2MAN help2man REQUIRED)
find_program(TABULOR_PARSECHANGELOG dpkg-parsechangelog REQUIRED)

set(TABULOR_CHANGELOG ${CMAKE_CURRENT_LIST_DIR}/changelog)
set(TABULOR_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)
set(TABULOR_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tabulor)

# Dated like a Debian build: by the newest changelog entry, not by the day of the build.
execute_process(
  COMMAND ${TABULOR_PARSECHANGELOG} -l ${TABULOR_CHANGELOG} -S Timestamp
  OUTPUT_VARIABLE TABULOR_RELEASE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${TABULOR_CHANGELOG})

function(tabulor_manual_page program summary)
  set(page ${TABULOR_PACKAGING_OUT}/${program}.1)
  set(include ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${program}.h2m)
  add_custom_command(
    OUTPUT ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${TABULOR_RELEASE_EPOCH}
            ${TABULOR_HELP2MAN} --locale=C.UTF-8 --no-info --name=${summary} --include=${include}
            --output=${page} $<TARGET_FILE:${program}>
    COMMAND gzip -9nf ${page}
    DEPENDS ${program} ${include}
    COMMENT "Writing the manual page ${program}(1)"
    VERBATIM)
  add_custom_target(${program}-manual-page ALL DEPENDS ${page}.gz)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

file(MAKE_DIRECTORY ${TABULOR_PACKAGING_OUT})
tabulor_manual_page(tabulor "business and financial calculator")
tabulor_manual_page(tabulor-cli "drive the Tabulor calculator from the command line")

add_custom_command(
  OUTPUT ${TABULOR_PACKAGING_OUT}/changelog.gz
  COMMAND gzip -9nc ${TABULOR_CHANGELOG} > ${TABULOR_PACKAGING_OUT}/changelog.gz
  DEPENDS ${TABULOR_CHANGELOG}
  VERBATIM)
add_custom_target(tabulor-changelog ALL DEPENDS ${TABULOR_PACKAGING_OUT}/changelog.gz)
install(FILES ${TABULOR_PACKAGING_OUT}/changelog.gz ${CMAKE_CURRENT_LIST_DIR}/copyright
        DESTINATION ${TABULOR_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tabulor)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Tabulor maintainers <maintainers@tabulor.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "business and financial calculator")
set(CPACK_PACKAGE_DESCRIPTION [=[
Tabulor is a business and financial calculator drawn as a handheld
calculator: left-to-right arithmetic with parentheses, percent and a
constant, ten memory registers, and time-value-of-money keys (N, I/YR, PV,
PMT, FV) for loans, savings and annuities, with conversion between nominal
and effective interest rates.

The package holds the calculator's window (tabulor) and tabulor-cli, which
runs the same calculator from a terminal or a script.]=])
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tabulor.example/)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window runs on X11 without it; with it, natively on Wayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)
# Not the umask of whoever builds.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
