# SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
# SPDX-License-Identifier: MIT

# Run by CPack after it wrote the Debian packages (CPACK_POST_BUILD_SCRIPTS,
# with CPACK_PACKAGE_FILES naming them). CPack gives a package with a shared
# library in /usr/lib maintainer scripts that call ldconfig; Debian runs
# ldconfig from a trigger instead (the library package activates it), so the
# scripts are dropped and the package is built again by dpkg-deb from the
# same files.

find_program(ZVC_DPKG_DEB dpkg-deb REQUIRED)

foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "\\.deb$")
        continue()
    endif()
    get_filename_component(name ${package} NAME)
    set(tree ${CPACK_TOPLEVEL_DIRECTORY}/finish/${name})
    file(REMOVE_RECURSE ${tree})
    file(MAKE_DIRECTORY ${CPACK_TOPLEVEL_DIRECTORY}/finish)
    execute_process(COMMAND ${ZVC_DPKG_DEB} --raw-extract ${package} ${tree}
        RESULT_VARIABLE result ERROR_VARIABLE error)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "dpkg-deb --raw-extract ${package} failed: ${error}")
    endif()
    set(dropped FALSE)
    foreach(script postinst postrm)
        set(file ${tree}/DEBIAN/${script})
        if(NOT EXISTS ${file})
            continue()
        endif()
        file(STRINGS ${file} commands REGEX "^[ \t]*[^# \t]")
        list(FILTER commands EXCLUDE REGEX "^[ \t]*(set -e|if \\[ \"\\$1\" = \"(configure|remove)\" \\]; then|ldconfig|fi)[ \t]*$")
        if(commands)
            message(FATAL_ERROR "${package}: ${script} does more than call ldconfig:\n${commands}")
        endif()
        file(REMOVE ${file})
        set(dropped TRUE)
    endforeach()
    if(dropped)
        execute_process(COMMAND ${ZVC_DPKG_DEB} --root-owner-group -Zxz --build ${tree} ${package}
            RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
        if(NOT result EQUAL 0)
            message(FATAL_ERROR "dpkg-deb --build ${tree} failed: ${output}")
        endif()
    endif()
    file(REMOVE_RECURSE ${tree})
endforeach()
