# How the desktop build compiles and links: the build type, our warnings, the hardening and the
# reproducible paths. Every flag here goes in front of the packager's own CXXFLAGS and LDFLAGS
# (CMAKE_CXX_FLAGS, CMAKE_EXE_LINKER_FLAGS), so that theirs win wherever both set the same thing:
# a later -Wno-error, -fno-stack-protector, -no-pie or -gdwarf-5 overrides ours.
include(CheckCXXCompilerFlag)

if(NOT CMAKE_BUILD_TYPE)
  set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING
      "Build type: Debug, Release, RelWithDebInfo, MinSizeRel or None" FORCE)
endif()

# Our warnings, errors only when asked for.
set(tamberlo_cxx_flags -Wall -Wextra)
if(TAMBERLO_WERROR)
  list(APPEND tamberlo_cxx_flags -Werror)
endif()

# The packager's flags as the compiler will see them, to tell what they already decide.
string(TOUPPER "${CMAKE_BUILD_TYPE}" tamberlo_build_type)
set(packager_cxx_flags "${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${tamberlo_build_type}}")

# Hardening, as Debian's dpkg-buildflags gives it with hardening=+all: a stack protector, checked
# string and memory calls, stack clash protection, control-flow protection where the processor
# has it, read-only relocations bound at start and a position-independent executable.
list(APPEND tamberlo_cxx_flags -fstack-protector-strong -fPIE)
foreach(flag -fstack-clash-protection -fcf-protection)
  string(MAKE_C_IDENTIFIER "tamberlo_has${flag}" has_flag)
  check_cxx_compiler_flag(${flag} ${has_flag})
  if(${has_flag})
    list(APPEND tamberlo_cxx_flags ${flag})
  endif()
endforeach()
# _FORTIFY_SOURCE checks calls only when optimising, and warns without it; a packager who sets
# it (or unsets it) decides alone. The last -O option counts, as it does for the compiler.
string(REGEX MATCHALL "(^| )-O[^ ]*" optimisation "${packager_cxx_flags}")
list(POP_BACK optimisation last_optimisation)
string(STRIP "${last_optimisation}" last_optimisation)
if(NOT packager_cxx_flags MATCHES "_FORTIFY_SOURCE" AND last_optimisation
   AND NOT last_optimisation STREQUAL "-O0")
  list(APPEND tamberlo_cxx_flags -U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2)
endif()
set(tamberlo_link_flags -pie -Wl,-z,relro,-z,now)


# Reproducible: no build path in the objects (debug information, __FILE__), so two builds of one
# commit at two places give the same bytes and the same GNU build-id. These only add to the
# packager's own maps, and go as options of their own so that a path with a space stays whole.
add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=.)

# clang 14 writes DWARF 5 by default, which valgrind 3.19 cannot read; an explicit -g option of
# the packager's still chooses its own version.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  list(APPEND tamberlo_cxx_flags -fdebug-default-version=4)
endif()

list(JOIN tamberlo_cxx_flags " " tamberlo_cxx_flags)
list(JOIN tamberlo_link_flags " " tamberlo_link_flags)
string(STRIP "${tamberlo_cxx_flags} ${CMAKE_CXX_FLAGS}" CMAKE_CXX_FLAGS)
string(STRIP "${tamberlo_link_flags} ${CMAKE_EXE_LINKER_FLAGS}" CMAKE_EXE_LINKER_FLAGS)
foreach(kind SHARED MODULE)
  string(STRIP "-Wl,-z,relro,-z,now ${CMAKE_${kind}_LINKER_FLAGS}" CMAKE_${kind}_LINKER_FLAGS)
endforeach()
