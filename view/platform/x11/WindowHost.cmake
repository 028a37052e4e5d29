# The frame's window and text entry on Linux: Xlib with cairo.
target_sources(tolvo_view PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/EntryEditingState.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScaledCopy.cpp
  ${CMAKE_CURRENT_LIST_DIR}/X11BackBuffer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/X11Display.cpp
  ${CMAKE_CURRENT_LIST_DIR}/X11ErrorHandler.cpp
  ${CMAKE_CURRENT_LIST_DIR}/X11TextEntry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/X11EventTranslation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/X11Window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/X11WindowCursor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/X11WindowEvents.cpp
  ${CMAKE_CURRENT_LIST_DIR}/X11WindowGeometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/X11WindowScale.cpp
  ${CMAKE_CURRENT_LIST_DIR}/X11WindowPointer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/X11WindowShown.cpp)
