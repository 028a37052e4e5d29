// The plug-in module's own handle: the address at which the module is loaded
// (on Windows its HINSTANCE). Resources and the editor's window class are
// looked up through it.
#pragma once

namespace gui {

// Null only when the module has not been entered yet (Windows: before the
// DLL entry ran) or the address cannot be resolved.
void* moduleHandle();

} // namespace gui
