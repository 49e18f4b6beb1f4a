#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// The open dialog offers this many of the folders drills came from.
inline constexpr std::size_t RecentFolderLimit = 5;

// The recent folders once a drill has come from `folder`: it first, no folder twice, the oldest dropped.
std::vector<std::string> RememberFolder(std::vector<std::string> recent, const std::string& folder);

// Where the open dialog starts and what its side panel holds.
struct DialogFolders {
    std::string start; // empty: where it would start anyway
    std::vector<std::string> panel;
};

// The folder of the drill opened last, else the samples folder; the panel holds the samples folder and
// the recent ones. Folders that have gone since (`exists` says no) are skipped.
DialogFolders OpenDialogFolders(const std::vector<std::string>& recent, const std::string& samples,
                                const std::function<bool(const std::string&)>& exists);
