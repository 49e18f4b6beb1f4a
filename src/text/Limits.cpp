#include "text/Limits.h"

#include "platform/AppError.h"
#include "platform/DrillFiles.h"
#include "text/Cp932.h"

std::string CannotOpenText(const std::string& name) {
    return sjis("ﾌｧｲﾙ ") + name + sjis(" は開けません");
}

std::string TooLargeText(const std::string& name, std::size_t limit) {
    return sjis("ﾌｧｲﾙ ") + name + sjis(" は大きすぎます（" + std::to_string(limit >> 20) + " MBまで）");
}

std::string OutOfMemoryText() {
    return sjis("メモリが足りません");
}

std::string readLimitedFile(DrillFiles& files, const std::string& name, std::size_t limit) {
    std::string bytes = files.readFile(name, limit + 1);
    if (bytes.size() > limit)
        throw AppError(TooLargeText(name, limit));
    return bytes;
}
