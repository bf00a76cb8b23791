// The help viewer entry point. The compiled help files of the desktop are
// replaced by folders of HTML pages ("help/fr", "help/en" beside the program);
// a help "file" is such a folder, and "folder::/html/page.htm" names a topic
// inside it, as the compiled files did. The window that shows the pages belongs
// to the program (it needs the window layer): it registers itself here at start
// and the entry point hands every request to it.
#pragma once

#include <cstdint>
#include <string>

enum : unsigned
{
    HH_DISPLAY_TOPIC = 0x0000,
    HH_CLOSE_ALL = 0x0012,
};

class THtmlHelpViewer
{
public:
    virtual ~THtmlHelpViewer() = default;
    // Shows the page (a full path to an .htm file); false when it cannot.
    virtual bool ShowTopic(const std::string& page) = 0;
    // Closes every help window.
    virtual void CloseAll() = 0;
};

// The viewer that serves the requests (not owned; nullptr removes it).
void RegisterHtmlHelpViewer(THtmlHelpViewer* viewer);
THtmlHelpViewer* HtmlHelpViewer();

// Start and end of the help support, as the program calls them: loaded when a
// viewer is registered; unloading forgets it.
bool LoadHtmlHelp();
void UnloadHtmlHelp();
bool HtmlHelpLoaded();

// The page a help request names: "folder::/html/x.htm" gives folder/html/x.htm,
// a folder alone gives its index.htm, a page gives itself. A topic that would
// leave the folder ("..") gives an empty text.
std::string HtmlHelpPage(const std::string& file);

// The entry point: HH_DISPLAY_TOPIC shows the topic named by file (owner and
// data are not used), HH_CLOSE_ALL closes every help window. Answers 1 when
// the request was served, 0 otherwise (no viewer, no such page).
intptr_t HtmlHelpA(void* owner, const std::string& file, unsigned command, uintptr_t data);

// Version of the help support, "major.minor.release.build".
std::string HtmlHelpVersion();
