#include "app/KeyRoute.h"

#include "app/Events.h"
#include "model/Control.h"

KeyRoute RouteKey(const Control* focused, std::uint16_t key, bool defaultButtonShown) {
    if (key == vk::Tab || (focused && focused->kind() != ControlKind::Memo))
        return KeyRoute::Focused;
    if (!focused && key == vk::Return && defaultButtonShown)
        return KeyRoute::DefaultButton;
    return KeyRoute::Answer;
}
