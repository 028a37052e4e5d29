#pragma once

#include <cstdint>

#include "view/CBaseObject.h"

namespace gui {

// The module's one holder of the graphics library. Every bitmap and every
// frame holds a reference while it lives; the first reference starts the
// library and releasing the last one stops it.
class GDIPlusGlobals : public CBaseObject {
public:
    static void enter();
    static void exit();
    // enter, then a constructor's work; when the work throws the reference
    // is given back, as the destructor that would have done it never runs.
    template <typename Work>
    static void enterFor(Work work)
    {
        enter();
        try {
            work();
        } catch (...) {
            exit();
            throw;
        }
    }

    ~GDIPlusGlobals() override;

private:
    GDIPlusGlobals();

    uintptr_t token = 0;
    static GDIPlusGlobals* instance;
};

} // namespace gui
