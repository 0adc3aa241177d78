#include "support/scripted_prompter.h"

namespace qv::test {

namespace {
template <typename T, typename Fallback> T Next(std::deque<T>& queue, Fallback fallback) {
    if (queue.empty())
        return fallback;
    T value = queue.front();
    queue.pop_front();
    return value;
}
} // namespace

Prompter::Answer ScriptedPrompter::ask(const QString& text, bool /*withCancel*/) {
    questions << text;
    return Next(answers, Answer::No);
}

std::optional<QString> ScriptedPrompter::openFileName(const QString& caption, const QString&,
                                                      const QString&) {
    dialogs << caption;
    return Next(fileNames, std::optional<QString>{});
}

std::optional<QString> ScriptedPrompter::saveFileName(const QString& caption, const QString&,
                                                      const QString&) {
    dialogs << caption;
    return Next(fileNames, std::optional<QString>{});
}

std::optional<int> ScriptedPrompter::chooseColour(int) {
    dialogs << QStringLiteral("colour");
    return Next(colours, std::optional<int>{});
}

} // namespace qv::test
