#include "formats/lv2/Lv2Ui.h"

#include <cmath>
#include <cstring>
#include <lv2/atom/atom.h>
#include <lv2/instance-access/instance-access.h>
#include <lv2/options/options.h>
#include <lv2/urid/urid.h>
#include <memory>
#include <string_view>

#include "formats/lv2/Lv2Instance.h"
#include "formats/lv2/Lv2Plugin.h"
#include "formats/lv2/Lv2Uris.h"
#include "view/AEffGUIEditor.h"
#include "view/CFrame.h"

namespace {

// One open UI: the editor of the running instance, opened in the host's parent window, and
// the host's write and touch functions its gestures go to.
class UiHandle : public Lv2EditorSink {
public:
    UiHandle(Lv2Instance& instance, gui::AEffGUIEditor& editor, LV2UI_Write_Function write,
             LV2UI_Controller controller, const LV2UI_Touch* touch)
        : instance(instance), editor(editor), write(write), controller(controller), touch(touch),
          shownTrimRange(instance.plug().getSettings()->trimRange())
    {}

    ~UiHandle() override
    {
        instance.attachEditorSink(nullptr);
        editor.close();
    }

    // The editor's window inside the parent, or null when it could not be made.
    LV2UI_Widget open(void* parent)
    {
        editor.open(parent);
        gui::CFrame* frame = editor.getFrame();
        if (!frame || !frame->getPlatformWindow())
            return nullptr;
        instance.attachEditorSink(this);
        return frame->getPlatformWindow()->handle();
    }

    void tellSize(const LV2UI_Resize* resize)
    {
        ERect* rect = nullptr;
        if (resize && editor.getRect(&rect) && rect)
            resize->ui_resize(resize->handle, rect->right - rect->left, rect->bottom - rect->top);
    }

    void portEvent(uint32_t port, float value)
    {
        if (!isParameterPort(port))
            return;
        const VstInt32 index = parameterOfPort(port);
        if (instance.isEditing(index))
            return;
        const int trimRange = instance.plug().getSettings()->trimRange();
        const float normalized = normalizedFromPort(index, value, trimRange);
        if (!std::isnan(normalized))
            editor.setParameter(index, normalized);
    }

    // The editor's idle; a trim range the settings page changed reaches the host as the trim
    // port's new reading, so the port and the saved block agree on reopening.
    void idle()
    {
        editor.idle();
        const int trimRange = instance.plug().getSettings()->trimRange();
        if (trimRange == shownTrimRange)
            return;
        shownTrimRange = trimRange;
        instance.editorAutomated(kParamTrim, instance.plug().getParameter(kParamTrim));
    }

    void writePort(uint32_t port, float value) override
    {
        write(controller, port, sizeof(value), 0, &value);
    }

    void touchPort(uint32_t port, bool grabbed) override
    {
        if (touch)
            touch->touch(touch->handle, port, grabbed);
    }

private:
    Lv2Instance& instance;
    gui::AEffGUIEditor& editor;
    LV2UI_Write_Function write;
    LV2UI_Controller controller;
    const LV2UI_Touch* touch;
    int shownTrimRange;
};

UiHandle* uiOf(LV2UI_Handle handle)
{
    return static_cast<UiHandle*>(handle);
}

void* featureData(const LV2_Feature* const* features, const char* uri)
{
    for (; features && *features; ++features)
        if (std::strcmp((*features)->URI, uri) == 0)
            return (*features)->data;
    return nullptr;
}

// The host's ui:scaleFactor among its options (a float), or 0 when it gives none.
double hostScaleFactor(const LV2_Feature* const* features)
{
    const auto* options =
        static_cast<const LV2_Options_Option*>(featureData(features, LV2_OPTIONS__options));
    const auto* map = static_cast<const LV2_URID_Map*>(featureData(features, LV2_URID__map));
    if (!options || !map || !map->map)
        return 0.0;
    const LV2_URID scaleFactor = map->map(map->handle, LV2_UI__scaleFactor);
    const LV2_URID floatType = map->map(map->handle, LV2_ATOM__Float);
    for (const LV2_Options_Option* option = options; option->key || option->value; ++option) {
        if (option->context == LV2_OPTIONS_INSTANCE && option->key == scaleFactor &&
            option->type == floatType && option->size == sizeof(float) && option->value)
            return *static_cast<const float*>(option->value);
    }
    return 0.0;
}

LV2UI_Handle instantiate(const LV2UI_Descriptor*, const char* pluginUri, const char*,
                         LV2UI_Write_Function write, LV2UI_Controller controller,
                         LV2UI_Widget* widget, const LV2_Feature* const* features)
{
    if (!pluginUri || std::string_view(pluginUri) != kPluginUri || !write || !widget)
        return nullptr;
    Lv2Instance* instance = lv2InstanceOf(featureData(features, LV2_INSTANCE_ACCESS_URI));
    void* parent = featureData(features, LV2_UI__parent);
    if (!instance || !parent)
        return nullptr;
    auto* editor = dynamic_cast<gui::AEffGUIEditor*>(instance->plug().getEditor());
    if (!editor)
        return nullptr;
    try {
        const auto* touch = static_cast<const LV2UI_Touch*>(featureData(features, LV2_UI__touch));
        editor->setHostScale(hostScaleFactor(features));
        auto ui = std::make_unique<UiHandle>(*instance, *editor, write, controller, touch);
        *widget = ui->open(parent);
        if (!*widget)
            return nullptr;
        ui->tellSize(static_cast<const LV2UI_Resize*>(featureData(features, LV2_UI__resize)));
        return ui.release();
    } catch (...) {
        return nullptr;
    }
}

void cleanup(LV2UI_Handle handle)
{
    delete uiOf(handle);
}

void portEvent(LV2UI_Handle handle, uint32_t port, uint32_t size, uint32_t format,
               const void* buffer)
{
    float value = 0.0f;
    if (format != 0 || size != sizeof(value) || !buffer)
        return;
    std::memcpy(&value, buffer, sizeof(value));
    uiOf(handle)->portEvent(port, value);
}

int idle(LV2UI_Handle handle)
{
    uiOf(handle)->idle();
    return 0;
}

const void* extensionData(const char* uri)
{
    static const LV2UI_Idle_Interface idleInterface = {idle};
    if (uri && std::string_view(uri) == LV2_UI__idleInterface)
        return &idleInterface;
    return nullptr;
}

} // namespace

const LV2UI_Descriptor* tolvoUiDescriptor()
{
    static const LV2UI_Descriptor descriptor = {kUiUri, instantiate, cleanup, portEvent,
                                                extensionData};
    return &descriptor;
}
