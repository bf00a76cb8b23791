#include "platform/sys/DllLoader.h"

#include <mutex>
#include <vector>

#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "platform/sys/UnzDll.h"
#include "platform/sys/ZipDll.h"

namespace {

struct Registry
{
    std::mutex mutex;
    std::map<std::string, TLibraryEntries> libraries;   // upper-cased name
    struct Loaded
    {
        std::string name;
        int refs = 0;
    };
    std::vector<Loaded> handles;   // handle = 0x1000 + index

    Registry()
    {
        libraries["ZIPDLL.DLL"] = {
            {"ZipDllExec", reinterpret_cast<void*>(&ZipDllExec)},
            {"GetZipDllVersion", reinterpret_cast<void*>(&GetZipDllVersion)},
        };
        libraries["UNZDLL.DLL"] = {
            {"UnzDllExec", reinterpret_cast<void*>(&UnzDllExec)},
            {"GetUnzDllVersion", reinterpret_cast<void*>(&GetUnzDllVersion)},
        };
    }
};

Registry& registry()
{
    static Registry r;
    return r;
}

constexpr HMODULE kFirstHandle = 0x1000;

}  // namespace

HMODULE LoadLibrary(const std::string& fileName)
{
    const std::string name = UpperCase(ExtractFileName(fileName));
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    if (r.libraries.find(name) == r.libraries.end()) return 0;
    for (size_t i = 0; i < r.handles.size(); ++i) {
        if (r.handles[i].name == name) {
            ++r.handles[i].refs;
            return kFirstHandle + i;
        }
    }
    r.handles.push_back({name, 1});
    return kFirstHandle + r.handles.size() - 1;
}

void* GetProcAddress(HMODULE module, const char* name)
{
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    if (module < kFirstHandle || module - kFirstHandle >= r.handles.size() || name == nullptr) return nullptr;
    const auto& loaded = r.handles[module - kFirstHandle];
    if (loaded.refs <= 0) return nullptr;
    const auto lib = r.libraries.find(loaded.name);
    if (lib == r.libraries.end()) return nullptr;
    const auto entry = lib->second.find(name);
    return entry == lib->second.end() ? nullptr : entry->second;
}

bool FreeLibrary(HMODULE module)
{
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    if (module < kFirstHandle || module - kFirstHandle >= r.handles.size()) return false;
    auto& loaded = r.handles[module - kFirstHandle];
    if (loaded.refs <= 0) return false;
    --loaded.refs;
    return true;
}

unsigned SetErrorMode(unsigned mode)
{
    static std::mutex m;
    static unsigned current = 0;
    std::lock_guard lock(m);
    const unsigned previous = current;
    current = mode;
    return previous;
}

TLibraryEntries RegisterLibrary(const std::string& name, TLibraryEntries entries)
{
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    const std::string key = UpperCase(name);
    TLibraryEntries previous;
    if (auto it = r.libraries.find(key); it != r.libraries.end()) previous = it->second;
    if (entries.empty())
        r.libraries.erase(key);
    else
        r.libraries[key] = std::move(entries);
    return previous;
}
