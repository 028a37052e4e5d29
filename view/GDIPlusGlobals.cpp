#include "view/GDIPlusGlobals.h"

#include "view/platform/GraphicsLibrary.h"

namespace gui {

GDIPlusGlobals* GDIPlusGlobals::instance = nullptr;

GDIPlusGlobals::GDIPlusGlobals() : token(startGraphicsLibrary())
{}

GDIPlusGlobals::~GDIPlusGlobals()
{
    stopGraphicsLibrary(token);
    instance = nullptr;
}

void GDIPlusGlobals::enter()
{
    if (instance)
        instance->remember();
    else
        instance = new GDIPlusGlobals();
}

void GDIPlusGlobals::exit()
{
    if (instance)
        instance->forget();
}

} // namespace gui
