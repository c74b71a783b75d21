# SPDX-License-Identifier: MIT
# What a Debian package of Pixelwick installs besides the programs, and how
# CPack builds it: `cpack -G DEB` in the build folder.

set(icon_sizes 16 22 24 32 48 64 128 256)
set(packaging_source ${CMAKE_CURRENT_LIST_DIR})
set(packaging_build ${CMAKE_BINARY_DIR}/packaging)

find_program(PIXELWICK_HELP2MAN help2man)
find_program(PIXELWICK_RSVG_CONVERT rsvg-convert)
find_program(PIXELWICK_GZIP gzip)
if(NOT PIXELWICK_HELP2MAN OR NOT PIXELWICK_RSVG_CONVERT OR NOT PIXELWICK_GZIP)
    # The programs still build and test; only the package needs these.
    message(STATUS "No Debian package: it needs help2man (help2man), rsvg-convert (librsvg2-bin) and gzip")
    return()
endif()

# Debian wants manual pages and changelogs compressed to the maximum, without
# a name or time stamp so that the same sources give the same bytes.
file(MAKE_DIRECTORY ${packaging_build})
function(pixelwick_gzipped source)
    get_filename_component(name ${source} NAME)
    set(copy ${packaging_build}/${name})
    set(commands)
    if(NOT source STREQUAL copy)
        set(commands COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy})
    endif()
    add_custom_command(OUTPUT ${copy}.gz ${commands}
        COMMAND ${PIXELWICK_GZIP} -9nkf ${copy}
        DEPENDS ${source} VERBATIM)
endfunction()

# The converter's manual page comes from its own --help and --version, so it
# cannot tell anything the program does not; in English whatever the locale.
add_custom_command(OUTPUT ${packaging_build}/pixelwick-convert.1
    COMMAND ${CMAKE_COMMAND} -E env --unset=LANGUAGE --unset=LC_MESSAGES LANG=C LC_ALL=C
            ${PIXELWICK_HELP2MAN} --no-info
            --name "turn pictures into monochrome Windows cursors"
            --output ${packaging_build}/pixelwick-convert.1 $<TARGET_FILE:pixelwick-convert>
    DEPENDS pixelwick-convert VERBATIM)
pixelwick_gzipped(${packaging_build}/pixelwick-convert.1)
pixelwick_gzipped(${packaging_source}/pixelwick.1)
pixelwick_gzipped(${packaging_source}/changelog)

# Desktops that draw no SVG, or draw small sizes badly, take these.
set(icons)
foreach(size IN LISTS icon_sizes)
    set(icon ${packaging_build}/icons/${size}x${size}/pixelwick.png)
    add_custom_command(OUTPUT ${icon}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${packaging_build}/icons/${size}x${size}
        COMMAND ${PIXELWICK_RSVG_CONVERT} --width ${size} --height ${size} --output ${icon}
                ${PROJECT_SOURCE_DIR}/desktop/pixelwick.svg
        DEPENDS ${PROJECT_SOURCE_DIR}/desktop/pixelwick.svg VERBATIM)
    list(APPEND icons ${icon})
    install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

add_custom_target(pixelwick_packaging_files ALL DEPENDS
    ${packaging_build}/pixelwick-convert.1.gz ${packaging_build}/pixelwick.1.gz ${packaging_build}/changelog.gz
    ${icons})

install(FILES ${packaging_build}/pixelwick.1.gz ${packaging_build}/pixelwick-convert.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# AppStream finds a component by a file named after its id.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${packaging_source}/pixelwick.metainfo.xml)
file(STRINGS ${packaging_source}/pixelwick.metainfo.xml component_id REGEX "<id>.*</id>")
string(REGEX REPLACE ".*<id>(.*)</id>.*" "\\1" component_id "${component_id}")
install(FILES ${packaging_source}/pixelwick.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
    RENAME ${component_id}.metainfo.xml)
# Debian's place, named after the package rather than the project.
install(FILES ${packaging_source}/copyright ${packaging_build}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/pixelwick)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pixelwick)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "the Pixelwick authors")
# There is no public address yet; .invalid (RFC 6761) cannot pass for one.
set(CPACK_PACKAGE_CONTACT "the Pixelwick authors <nobody@pixelwick.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn pictures into monochrome Windows cursors")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${packaging_source}/description.txt)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The libraries come from the binaries themselves (dpkg-shlibdeps). Added:
# the plugins that read WebP, TIFF and the like, and SVG (libqt6svg6), and
# Qt's own German texts, which no binary links to. The X11 platform plugin
# is part of libqt6gui6.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-image-formats-plugins, libqt6svg6, qt6-translations-l10n")
include(CPack)
