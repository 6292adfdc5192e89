# 32-bit Windows with mingw-w64 (Debian: g++-mingw-w64-i686).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QUILLANE_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)

# A 32-bit Windows host calls in with only 4-byte stack alignment; SSE spills
# need 16, so every function realigns when it needs more than it was given.
set(CMAKE_CXX_FLAGS_INIT "-mincoming-stack-boundary=2")
