# The flags Debian builds its packages with (dpkg-buildflags, plus immediate
# binding): the programs read configuration files, JSON documents and device
# bytes from outside, so an overflow should stop them, not run on.
option(KVR_HARDENING "Build with fortified functions, stack protector, PIE and full RELRO" ON)

if(KVR_HARDENING AND CMAKE_CXX_COMPILER_ID MATCHES "^(GNU|Clang)$")
    include(CheckPIESupported)
    check_pie_supported(OUTPUT_VARIABLE kvr_pie_output LANGUAGES CXX)
    if(CMAKE_CXX_LINK_PIE_SUPPORTED)
        set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    else()
        message(WARNING "The linker makes no position-independent executables: ${kvr_pie_output}")
    endif()
    add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
    # Fortified functions need optimisation (glibc warns otherwise, an error
    # with KVR_WERROR). The sanitizers check the same calls themselves and
    # intercept the plain functions, not the fortified ones. A level given in
    # CMAKE_CXX_FLAGS (dpkg-buildflags, say) is left alone.
    if(NOT KVR_SANITIZE AND NOT KVR_FUZZ AND NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
        set(kvr_optimised $<OR:$<CONFIG:Release>,$<CONFIG:RelWithDebInfo>,$<CONFIG:MinSizeRel>>)
        # Some compilers define it already; -U first, so that it is not redefined.
        add_compile_options($<${kvr_optimised}:-U_FORTIFY_SOURCE> $<${kvr_optimised}:-D_FORTIFY_SOURCE=2>)
    endif()
    add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
