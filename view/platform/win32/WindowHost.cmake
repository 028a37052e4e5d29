# The frame's window and text entry on Windows: user32 and an EDIT control.
target_sources(tolvo_core PRIVATE)
