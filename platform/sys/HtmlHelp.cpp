#include "platform/sys/HtmlHelp.h"

#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"

namespace {
THtmlHelpViewer* viewer = nullptr;
bool loaded = false;
}  // namespace

void RegisterHtmlHelpViewer(THtmlHelpViewer* v)
{
    viewer = v;
    if (!v)
        loaded = false;
}

THtmlHelpViewer* HtmlHelpViewer() { return viewer; }

bool LoadHtmlHelp()
{
    loaded = viewer != nullptr;
    return loaded;
}

void UnloadHtmlHelp() { loaded = false; }

bool HtmlHelpLoaded() { return loaded && viewer; }

std::string HtmlHelpPage(const std::string& file)
{
    std::string folder = file;
    std::string topic;
    if (const size_t sep = file.find("::"); sep != std::string::npos)
    {
        folder = file.substr(0, sep);
        topic = file.substr(sep + 2);
    }
    // A topic never climbs out of its help folder.
    std::string t = StringReplace(topic, "\\", "/", rfReplaceAll);
    if (("/" + t + "/").find("/../") != std::string::npos)
        return {};
    while (!t.empty() && t.front() == '/')
        t.erase(0, 1);
    if (t.empty())
    {
        if (DirectoryExists(ToNativePath(folder)))
            return MakePath(folder, "index.htm");
        return ToNativePath(folder);
    }
    return MakePath(folder, t);
}

intptr_t HtmlHelpA(void* owner, const std::string& file, unsigned command, uintptr_t data)
{
    (void)owner;
    (void)data;
    if (!HtmlHelpLoaded())
        return 0;
    switch (command)
    {
    case HH_DISPLAY_TOPIC:
    {
        const std::string page = HtmlHelpPage(file);
        if (page.empty() || !FileExists(page))
            return 0;
        return viewer->ShowTopic(page) ? 1 : 0;
    }
    case HH_CLOSE_ALL:
        viewer->CloseAll();
        return 1;
    default:
        return 0;
    }
}

std::string HtmlHelpVersion() { return "1.0.0.0"; }
