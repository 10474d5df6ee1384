# The hardening Debian expects of the programs it installs, in every build:
# position independent executables, the stack protector (and stack clash
# protection where the compiler has it), fortified sources where the compiler
# optimises (glibc warns about them without optimisation), and relocations
# made read-only once bound at start. Flags a packager passes
# (dpkg-buildflags) come on top; a fortification level already given is kept.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
include(CheckCXXCompilerFlag)
add_compile_options(-fstack-protector-strong)
check_cxx_compiler_flag(-fstack-clash-protection HAS_STACK_CLASH_PROTECTION)
if(HAS_STACK_CLASH_PROTECTION)
    add_compile_options(-fstack-clash-protection)
endif()
if(NOT "${CMAKE_CXX_FLAGS}" MATCHES "_FORTIFY_SOURCE")
    add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
endif()
add_link_options(LINKER:-z,relro LINKER:-z,now)
