# The frame's window and text entry on Windows: user32 and an EDIT control.
target_sources(tolvo_view PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Win32TextEntry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Win32MessageTranslation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Win32Window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Win32WindowGeometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Win32WindowPointer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Win32WindowScale.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowClass.cpp)
