# Run by CPack while it stages the Debian package (CPACK_INSTALL_SCRIPTS):
# puts the copyright file and the Debian changelog into share/doc/tevaro. The
# changelog is compressed as Debian wants it: gzip -9n, best compression and
# no name or time stamp, so the same changelog always gives the same bytes.
# CPack stages into $DESTDIR, below the package's own prefix.
if("$ENV{DESTDIR}" STREQUAL "")
    message(FATAL_ERROR "TevaroPackageDocs.cmake runs inside cpack only")
endif()
set(_doc "$ENV{DESTDIR}${CPACK_PACKAGING_INSTALL_PREFIX}/share/doc/tevaro")
file(MAKE_DIRECTORY "${_doc}")
file(COPY "${CPACK_TEVARO_DEBIAN_DIR}/copyright" DESTINATION "${_doc}"
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

find_program(_gzip gzip REQUIRED)
execute_process(
    COMMAND "${_gzip}" -9n --stdout "${CPACK_TEVARO_DEBIAN_DIR}/changelog"
    OUTPUT_FILE "${_doc}/changelog.Debian.gz"
    RESULT_VARIABLE _result)
if(NOT _result EQUAL 0)
    message(FATAL_ERROR "gzip of the Debian changelog failed: ${_result}")
endif()
file(CHMOD "${_doc}/changelog.Debian.gz"
    PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
