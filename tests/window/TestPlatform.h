#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/qt/QtPlatform.h"

// The real platform, except that boxes are recorded instead of waiting for a click, and the open
// dialog answers what the test says.
class TestPlatform : public QtPlatform {
public:
    void messageBox(const std::string& text) override { messages.push_back(text); }
    void errorBox(const std::string& text) override { errors.push_back(text); }
    void internalErrorBox(const std::string& text) override { errors.push_back(text); }
    std::optional<std::string> chooseFile(const std::string&, const std::string&) override {
        return chooseFileAnswer ? chooseFileAnswer() : std::nullopt;
    }

    std::vector<std::string> messages;
    std::vector<std::string> errors;
    std::function<std::optional<std::string>()> chooseFileAnswer;
};
