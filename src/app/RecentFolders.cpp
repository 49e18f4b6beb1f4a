#include "app/RecentFolders.h"

#include <algorithm>

std::vector<std::string> RememberFolder(std::vector<std::string> recent, const std::string& folder) {
    recent.erase(std::remove(recent.begin(), recent.end(), folder), recent.end());
    recent.insert(recent.begin(), folder);
    if (recent.size() > RecentFolderLimit)
        recent.resize(RecentFolderLimit);
    return recent;
}

DialogFolders OpenDialogFolders(const std::vector<std::string>& recent, const std::string& samples,
                                const std::function<bool(const std::string&)>& exists) {
    DialogFolders folders;
    if (!samples.empty() && exists(samples))
        folders.panel.push_back(samples);
    for (const std::string& folder : recent)
        if (!folder.empty() && folder != samples && exists(folder)) {
            if (folders.start.empty())
                folders.start = folder;
            folders.panel.push_back(folder);
        }
    if (folders.start.empty() && !folders.panel.empty())
        folders.start = folders.panel.front();
    return folders;
}
