# The same target built by clang against the MinGW-w64 headers and libraries:
# a second compiler keeps the code free of GCC-only constructs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_GCC_DIR /usr/lib/gcc/x86_64-w64-mingw32/12-posix)
set(CLANG_TARGET_FLAGS "--target=x86_64-w64-mingw32 --sysroot=/usr/x86_64-w64-mingw32")

set(CMAKE_C_COMPILER   clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_RC_COMPILER  x86_64-w64-mingw32-windres)
set(CMAKE_C_COMPILER_TARGET   x86_64-w64-mingw32)
set(CMAKE_CXX_COMPILER_TARGET x86_64-w64-mingw32)

set(CMAKE_C_FLAGS_INIT "${CLANG_TARGET_FLAGS}")
set(CMAKE_CXX_FLAGS_INIT "${CLANG_TARGET_FLAGS} -nostdinc++ -isystem ${MINGW_GCC_DIR}/include/c++ -isystem ${MINGW_GCC_DIR}/include/c++/x86_64-w64-mingw32 -isystem ${MINGW_GCC_DIR}/include/c++/backward")
# The C++ include flags reach the link line too, where the driver would warn about them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -static -pthread -L${MINGW_GCC_DIR} -Wno-unused-command-line-argument")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-fuse-ld=lld -L${MINGW_GCC_DIR} -Wno-unused-command-line-argument")

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
