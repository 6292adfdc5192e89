# The pieces of our test host that do not depend on how the module is loaded,
# shared by the Linux tests and the Windows test host program.
add_library(quillane_test_host STATIC
  ${CMAKE_CURRENT_LIST_DIR}/test_frame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_environment.cpp
  ${CMAKE_CURRENT_LIST_DIR}/source_clip.cpp
  ${CMAKE_CURRENT_LIST_DIR}/script_call.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plugin_cases.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frame_checksum.cpp
  ${CMAKE_CURRENT_LIST_DIR}/expected_frame.cpp
)
target_include_directories(quillane_test_host PUBLIC
  ${CMAKE_CURRENT_LIST_DIR}
  ${PROJECT_SOURCE_DIR}/host
  ${PROJECT_SOURCE_DIR}/tests/support
)
target_link_libraries(quillane_test_host PUBLIC quillane_core)
