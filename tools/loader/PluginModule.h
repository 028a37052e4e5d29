// Loads a built plug-in module the way a host does and drives one instance:
// used by the integration tests and by tolvo-host.
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "host/PluginInterface.h"

namespace tolvo {

// One call the plug-in made to the host.
struct HostCall {
    AEffect* effect;
    VstInt32 opcode;
    VstInt32 index;
    VstIntPtr value;
    float opt;
};

// The host side of the callback: records every call and answers the version
// question with a configurable number. The callback carries no user data, so
// one process-wide log serves all instances.
class HostLog {
public:
    static HostLog& instance();
    static VstIntPtr callback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                              void* ptr, float opt);

    void clear();
    void setVersionAnswer(VstIntPtr answer);
    void setEditAnswer(VstIntPtr answer);
    // Runs after each recorded call, outside the log's lock: a host that acts
    // on what the plug-in tells it (none to stop).
    void setCallHook(std::function<void(const HostCall&)> hook);
    std::vector<HostCall> calls() const;
    std::vector<HostCall> callsWithOpcode(VstInt32 opcode) const;

private:
    mutable std::mutex mutex;
    std::vector<HostCall> recorded;
    VstIntPtr versionAnswer = kVstVersion;
    VstIntPtr editAnswer = 1;
    std::function<void(const HostCall&)> callHook;
};

using PluginEntry = AEffect* (*)(audioMasterCallback);

// A loaded shared library (dlopen or LoadLibrary), closed on destruction.
class PluginModule {
public:
    explicit PluginModule(const std::string& path);
    ~PluginModule();
    PluginModule(const PluginModule&) = delete;
    PluginModule& operator=(const PluginModule&) = delete;

    bool isLoaded() const { return handle != nullptr; }
    const std::string& errorText() const { return error; }
    void* symbol(const char* name) const;
    PluginEntry entry(const char* name = "VSTPluginMain") const;

    // The plug-in file built next to the running program.
    static std::string besideExecutable();

private:
    void* handle = nullptr;
    std::string error;
};

// One plug-in instance created through an entry with the recording host.
class PluginInstance {
public:
    explicit PluginInstance(const PluginModule& module, const char* entryName = "VSTPluginMain");
    ~PluginInstance();
    PluginInstance(const PluginInstance&) = delete;
    PluginInstance& operator=(const PluginInstance&) = delete;

    AEffect* effect() const { return record; }
    VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr, float opt = 0.0f);
    std::string text(VstInt32 opcode, VstInt32 index = 0);
    void setParameter(VstInt32 index, float value);
    float getParameter(VstInt32 index);
    void processReplacing(float* input, float* output, VstInt32 frames);
    void processDoubleReplacing(double* input, double* output, VstInt32 frames);
    void processAccumulating(float* input, float* output, VstInt32 frames);
    // Sends effClose; afterwards the record must not be used.
    VstIntPtr close();

private:
    AEffect* record = nullptr;
};

} // namespace tolvo
