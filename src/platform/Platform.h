#pragma once
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/EventLoop.h"
#include "platform/Files.h"
#include "platform/Sound.h"

// The services the core asks of the machine it runs on, each from the part of the platform that gives it; a
// program is assembled from such parts. Every text and every file name here is Shift-JIS bytes.
struct Platform {
    Clock& clock;
    Files& files;
    Dialogs& dialogs;
    EventLoop& events;
    Sound& sound;
};
