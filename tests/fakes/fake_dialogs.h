#pragma once
#include <string>
#include <utility>
#include <vector>

#include "platform/dialogs.h"

namespace orvella {

class FakeDialogs : public Dialogs {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowException(const std::string& text) override { exceptions.push_back(text); }
    void ShowError(const std::string& text, const std::string& title) override {
        errors.emplace_back(text, title);
    }

    // Answers the questions in turn; Yes once the scripted answers run out.
    bool ShowDlg(const std::string& question) override {
        questions.push_back(question);
        if (answers.empty()) return true;
        const bool answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }

    std::vector<bool> answers;
    std::vector<std::string> questions;
    std::vector<std::string> messages;
    std::vector<std::string> exceptions;
    std::vector<std::pair<std::string, std::string>> errors;
};

}  // namespace orvella
