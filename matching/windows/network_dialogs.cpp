#include "matching/windows/network_dialogs.h"

#include "ui/prompter.h"
#include "ui/qt_text.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace qv {

std::string QtFileFilter(std::string_view filter) {
    std::string result;
    std::size_t begin = 0;
    while (begin < filter.size()) {
        const std::size_t bar = filter.find('|', begin);
        const std::string_view description =
            filter.substr(begin, bar == std::string_view::npos ? std::string_view::npos : bar - begin);
        std::string_view pattern;
        begin = filter.size();
        if (bar != std::string_view::npos) {
            const std::size_t next = filter.find('|', bar + 1);
            pattern = filter.substr(bar + 1,
                                    next == std::string_view::npos ? std::string_view::npos : next - bar - 1);
            if (next != std::string_view::npos)
                begin = next + 1;
        }
        if (!result.empty())
            result += ";;";
        result += description;
        // Qt takes the patterns from the parentheses of the description.
        if (description.find('(') == std::string_view::npos && !pattern.empty())
            result += " (" + std::string(pattern) + ")";
    }
    return result;
}

namespace {

struct NetworkDialogs {
    Q_DECLARE_TR_FUNCTIONS(NetworkDialogs)
};

// ".smh" from a filter whose first pattern is "*.smh"; empty when that pattern names no extension.
QString FirstExtension(std::string_view filter) {
    const std::size_t bar = filter.find('|');
    if (bar == std::string_view::npos)
        return {};
    std::string_view pattern = filter.substr(bar + 1);
    pattern = pattern.substr(0, pattern.find_first_of("|;"));
    if (!pattern.starts_with("*.") || pattern.size() < 3 || pattern.find('*', 1) != std::string_view::npos)
        return {};
    return Q(pattern.substr(1));
}

} // namespace

std::optional<std::string> AskOpenFileName(Prompter& prompter, std::string_view filter) {
    const std::optional<QString> name = prompter.openFileName(QString(), QString(), Q(QtFileFilter(filter)));
    if (!name || name->isEmpty() || !QFileInfo(*name).isFile())
        return std::nullopt;
    return U8(*name);
}

std::optional<std::string> AskSaveFileName(Prompter& prompter, std::string_view filter) {
    std::optional<QString> name = prompter.saveFileName(QString(), QString(), Q(QtFileFilter(filter)));
    if (!name || name->isEmpty())
        return std::nullopt;
    // A name typed without an extension gets the first filter's.
    if (QFileInfo(*name).suffix().isEmpty())
        *name += FirstExtension(filter);
    if (QFileInfo::exists(*name) &&
        prompter.ask(NetworkDialogs::tr("%1文件存在是否覆盖 ").arg(*name)) != Prompter::Answer::Yes)
        return std::nullopt;
    return U8(*name);
}

} // namespace qv
