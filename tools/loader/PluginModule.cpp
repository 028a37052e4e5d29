#include "tools/loader/PluginModule.h"

#include <cstring>
#include <utility>

namespace tolvo {

HostLog& HostLog::instance()
{
    static HostLog log;
    return log;
}

VstIntPtr HostLog::callback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                            void*, float opt)
{
    HostLog& log = instance();
    const HostCall call{effect, opcode, index, value, opt};
    VstIntPtr answer = 0;
    std::function<void(const HostCall&)> hook;
    {
        std::lock_guard<std::mutex> lock(log.mutex);
        log.recorded.push_back(call);
        if (opcode == audioMasterVersion)
            answer = log.versionAnswer;
        else if (opcode == audioMasterBeginEdit || opcode == audioMasterEndEdit)
            answer = log.editAnswer;
        hook = log.callHook;
    }
    if (hook)
        hook(call);
    return answer;
}

void HostLog::setCallHook(std::function<void(const HostCall&)> hook)
{
    std::lock_guard<std::mutex> lock(mutex);
    callHook = std::move(hook);
}

void HostLog::clear()
{
    std::lock_guard<std::mutex> lock(mutex);
    recorded.clear();
}

void HostLog::setVersionAnswer(VstIntPtr answer)
{
    std::lock_guard<std::mutex> lock(mutex);
    versionAnswer = answer;
}

void HostLog::setEditAnswer(VstIntPtr answer)
{
    std::lock_guard<std::mutex> lock(mutex);
    editAnswer = answer;
}

std::vector<HostCall> HostLog::calls() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return recorded;
}

std::vector<HostCall> HostLog::callsWithOpcode(VstInt32 opcode) const
{
    std::vector<HostCall> matching;
    for (const HostCall& call : calls())
        if (call.opcode == opcode)
            matching.push_back(call);
    return matching;
}

PluginEntry PluginModule::entry(const char* name) const
{
    return reinterpret_cast<PluginEntry>(symbol(name));
}

PluginInstance::PluginInstance(const PluginModule& module, const char* entryName)
{
    if (PluginEntry entry = module.entry(entryName))
        record = entry(&HostLog::callback);
}

PluginInstance::~PluginInstance()
{
    close();
}

VstIntPtr PluginInstance::close()
{
    if (!record)
        return 0;
    VstIntPtr answer = dispatch(effClose);
    record = nullptr;
    return answer;
}

VstIntPtr PluginInstance::dispatch(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                   float opt)
{
    return record ? record->dispatcher(record, opcode, index, value, ptr, opt) : 0;
}

std::string PluginInstance::text(VstInt32 opcode, VstInt32 index)
{
    char buffer[256];
    std::memset(buffer, 0, sizeof(buffer));
    dispatch(opcode, index, 0, buffer);
    return buffer;
}

void PluginInstance::setParameter(VstInt32 index, float value)
{
    record->setParameter(record, index, value);
}

float PluginInstance::getParameter(VstInt32 index)
{
    return record->getParameter(record, index);
}

void PluginInstance::processReplacing(float* input, float* output, VstInt32 frames)
{
    float* inputs[] = {input};
    float* outputs[] = {output};
    record->processReplacing(record, inputs, outputs, frames);
}

void PluginInstance::processDoubleReplacing(double* input, double* output, VstInt32 frames)
{
    double* inputs[] = {input};
    double* outputs[] = {output};
    record->processDoubleReplacing(record, inputs, outputs, frames);
}

void PluginInstance::processAccumulating(float* input, float* output, VstInt32 frames)
{
    float* inputs[] = {input};
    float* outputs[] = {output};
    record->process(record, inputs, outputs, frames);
}

} // namespace tolvo
