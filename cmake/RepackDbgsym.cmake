# Run by cpack once the packages are built (CPACK_POST_BUILD_SCRIPTS). CPack's
# -dbgsym packages list their files in md5sums by the absolute path of its
# staging folder, keep the symbol files executable and have no documentation:
# each is unpacked, mended and packed again, so that dpkg can verify it and
# lintian passes it.
foreach(ddeb IN LISTS CPACK_PACKAGE_FILES)
    if(NOT ddeb MATCHES "-dbgsym_[^/]*\\.ddeb$")
        continue()
    endif()
    set(dir "${ddeb}.d")
    file(REMOVE_RECURSE "${dir}")
    execute_process(COMMAND dpkg-deb --raw-extract "${ddeb}" "${dir}" RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "dpkg-deb could not unpack ${ddeb}")
    endif()
    file(STRINGS "${dir}/DEBIAN/control" package REGEX "^Package: ")
    string(REGEX REPLACE "^Package: " "" package "${package}")

    # Its documentation is the package's it belongs to, as in Debian's own.
    string(REGEX REPLACE "-dbgsym$" "" owner "${package}")
    file(MAKE_DIRECTORY "${dir}/usr/share/doc")
    file(CREATE_LINK "${owner}" "${dir}/usr/share/doc/${package}" SYMBOLIC)
    file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${dir}" "${dir}/usr/lib/*")
    list(SORT files)
    set(sums "")
    foreach(f IN LISTS files)
        file(CHMOD "${dir}/${f}" FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
        file(MD5 "${dir}/${f}" md5)
        string(APPEND sums "${md5}  ${f}\n")
    endforeach()
    file(WRITE "${dir}/DEBIAN/md5sums" "${sums}")

    execute_process(COMMAND dpkg-deb --root-owner-group --build "${dir}" "${ddeb}"
                    OUTPUT_QUIET RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "dpkg-deb could not pack ${ddeb} again")
    endif()
    file(REMOVE_RECURSE "${dir}")
endforeach()
