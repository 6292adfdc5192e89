# 32-bit x86 Linux build on a 64-bit host; tests run under user-mode emulation.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_C_FLAGS_INIT "-m32")
set(CMAKE_CXX_FLAGS_INIT "-m32")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-m32")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-m32")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-m32")
find_program(QUILLANE_QEMU_I386 qemu-i386 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${QUILLANE_QEMU_I386})
# The host's 64-bit GoogleTest cannot link here: build it from its Debian sources.
set(QUILLANE_GTEST_FROM_SOURCE ON CACHE BOOL "" FORCE)
set(QUILLANE_BENCH OFF CACHE BOOL "" FORCE)
# The command needs libpng, which this machine has for its own architecture only.
set(QUILLANE_CLI OFF CACHE BOOL "" FORCE)
