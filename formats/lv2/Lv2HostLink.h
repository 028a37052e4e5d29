// How an LV2 instance makes its Plug: the one place that constructs the engine with a host
// callback, which routes the editor's automation and gestures back to the instance.
#pragma once

#include <memory>

class Lv2Instance;
class Plug;

std::unique_ptr<Plug> createLv2Plug(Lv2Instance* owner);
