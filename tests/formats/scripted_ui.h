#pragma once
// A UiPort that answers from scripts and records what it was asked.
#include <deque>
#include <string>
#include <vector>

#include "app/string_table.h"
#include "app/ui_port.h"

namespace wayloom::test {

class ScriptedUi : public UiPort {
public:
    struct Shown {
        std::string text;  // UTF-8
        MessageIcon icon;
        MessageButtons buttons;
    };

    std::deque<MessageAnswer> messageAnswers;  // empty: the default button
    std::deque<DuplicateAnswer> duplicateAnswers;  // empty: "Guardar Todo"
    std::deque<SameFileAnswer> sameFileAnswers;  // empty: "Cancelar"
    int escapeAfterPumps = -1;  // pumpMessages(true) reports Escape on this call (0 the first)

    std::vector<Shown> messages;
    std::vector<std::string> duplicateQuestions;
    std::vector<std::string> sameFileQuestions;
    std::vector<std::string> progressTexts;
    std::vector<std::string> statusTexts;

    MessageAnswer showMessage(std::u16string_view text, MessageIcon icon, MessageButtons buttons,
                              MessageAnswer defaultButton) override {
        messages.push_back({ToUtf8(text), icon, buttons});
        return Next(messageAnswers, defaultButton);
    }
    DuplicateAnswer askDuplicateName(std::u16string_view name) override {
        duplicateQuestions.push_back(ToUtf8(name));
        return Next(duplicateAnswers, DuplicateAnswer::KeepAll);
    }
    SameFileAnswer askSameFile(std::u16string_view fileName) override {
        sameFileQuestions.push_back(ToUtf8(fileName));
        return Next(sameFileAnswers, SameFileAnswer::Cancel);
    }
    void showProgress(std::u16string_view text, int) override { progressTexts.push_back(ToUtf8(text)); }
    void showStatus(std::u16string_view text) override { statusTexts.push_back(ToUtf8(text)); }
    bool pumpMessages(bool allowEscape) override { return allowEscape && escapeAfterPumps >= 0 && pumps_++ == escapeAfterPumps; }

private:
    template <typename T>
    static T Next(std::deque<T>& queue, T otherwise) {
        if (queue.empty()) return otherwise;
        T answer = queue.front();
        queue.pop_front();
        return answer;
    }
    int pumps_ = 0;
};

}  // namespace wayloom::test
