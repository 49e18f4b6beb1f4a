#pragma once
#include <cstddef>
#include <optional>
#include <string>

struct PictureSize {
    int width = 0;
    int height = 0;
};

// The files a drill is read from: the question file, its pictures, sounds and translation file. Every
// file name is Shift-JIS bytes; relative names resolve against the current folder. A check of a drill
// needs nothing else of the machine.
class DrillFiles {
public:
    virtual ~DrillFiles() = default;

    virtual bool fileExists(const std::string& name) = 0;
    // The file's bytes, no more than the first `maxBytes` of them. Only a regular file is read, and
    // opening it never waits: a FIFO or a device cannot be opened. Throws AppError when it cannot be read.
    virtual std::string readFile(const std::string& name, std::size_t maxBytes) = 0;
    // The size of a picture file that can be shown, nothing when it cannot be decoded. A file that cannot
    // be opened, or is larger than MediaFileLimit, throws.
    virtual std::optional<PictureSize> pictureSize(const std::string& name) = 0;
    // Why the wave player would refuse the sound file, in its own words; nothing when it would play it.
    // Opens no sound device.
    virtual std::optional<std::string> soundProblem(const std::string& name) = 0;
    // The folder relative names resolve against, as the file system spells it; only given back.
    virtual std::string currentFolder() = 0;
    // Goes back to a folder that currentFolder gave; one that has gone meanwhile is left as it is.
    virtual void setCurrentFolder(const std::string& folder) = 0;
};
