# What the two mingw-w64 toolchain files share; they set ORVANTA_WINDOWS_ARCH
# (i686 or x86_64) and ORVANTA_WINDOWS_TRIPLE before including this file.
#
# Debian's compilers come in two threads models; the -posix ones give
# std::thread and std::mutex (the -win32 ones do not), so only those are used.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${ORVANTA_WINDOWS_ARCH})

set(CMAKE_C_COMPILER ${ORVANTA_WINDOWS_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVANTA_WINDOWS_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ORVANTA_WINDOWS_TRIPLE}-windres)

# The prefix that scripts/windows-deps.sh fills (Boost, libcurl, GoogleTest),
# by default the same cache folder as the script's.
if(NOT "$ENV{ORVANTA_WINDOWS_DEPS}" STREQUAL "")
  set(_orvanta_deps_root "$ENV{ORVANTA_WINDOWS_DEPS}")
elseif(NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
  set(_orvanta_deps_root "$ENV{XDG_CACHE_HOME}/orvanta/windows-deps")
else()
  set(_orvanta_deps_root "$ENV{HOME}/.cache/orvanta/windows-deps")
endif()
set(ORVANTA_WINDOWS_DEPS_PREFIX "${_orvanta_deps_root}/${ORVANTA_WINDOWS_ARCH}"
  CACHE PATH "Prefix holding the Windows builds of Boost, libcurl and GoogleTest")
unset(_orvanta_deps_root)
# try_compile() projects read this file again; hand them the same prefix.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ORVANTA_WINDOWS_DEPS_PREFIX)
list(REMOVE_DUPLICATES CMAKE_TRY_COMPILE_PLATFORM_VARIABLES)

# Headers and libraries come from the mingw-w64 sysroot and the prefix only,
# never from the build machine; programs (code generators, wine) from the
# build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${ORVANTA_WINDOWS_TRIPLE} "${ORVANTA_WINDOWS_DEPS_PREFIX}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

get_property(_orvanta_in_try_compile GLOBAL PROPERTY IN_TRY_COMPILE)
if(NOT _orvanta_in_try_compile)
  if(NOT IS_DIRECTORY "${ORVANTA_WINDOWS_DEPS_PREFIX}")
    message(WARNING "The Windows dependency prefix ${ORVANTA_WINDOWS_DEPS_PREFIX} "
      "does not exist: run scripts/windows-deps.sh ${ORVANTA_WINDOWS_ARCH} first, "
      "or set ORVANTA_WINDOWS_DEPS_PREFIX.")
  endif()

  # The DLLs a program built here needs beside it at run time: the compiler's
  # runtime (C++ library, libgcc, winpthreads) and the prefix's libraries.
  if(ORVANTA_WINDOWS_ARCH STREQUAL "x86_64")
    set(_orvanta_libgcc libgcc_s_seh-1.dll)
  else()
    set(_orvanta_libgcc libgcc_s_dw2-1.dll)
  endif()
  set(ORVANTA_WINDOWS_RUNTIME_DLLS)
  foreach(_orvanta_dll libstdc++-6.dll ${_orvanta_libgcc} libwinpthread-1.dll)
    execute_process(
      COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${_orvanta_dll}
      OUTPUT_VARIABLE _orvanta_path
      OUTPUT_STRIP_TRAILING_WHITESPACE
      RESULT_VARIABLE _orvanta_result)
    if(NOT _orvanta_result EQUAL 0 OR NOT IS_ABSOLUTE "${_orvanta_path}" OR NOT EXISTS "${_orvanta_path}")
      message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${_orvanta_dll} is; "
        "is Debian's g++-mingw-w64 (posix) installed?")
    endif()
    get_filename_component(_orvanta_path "${_orvanta_path}" REALPATH)
    list(APPEND ORVANTA_WINDOWS_RUNTIME_DLLS "${_orvanta_path}")
  endforeach()
  file(GLOB _orvanta_prefix_dlls "${ORVANTA_WINDOWS_DEPS_PREFIX}/bin/*.dll")
  list(SORT _orvanta_prefix_dlls)
  list(APPEND ORVANTA_WINDOWS_RUNTIME_DLLS ${_orvanta_prefix_dlls})
  unset(_orvanta_libgcc)
  unset(_orvanta_dll)
  unset(_orvanta_path)
  unset(_orvanta_result)
  unset(_orvanta_prefix_dlls)
endif()
unset(_orvanta_in_try_compile)
