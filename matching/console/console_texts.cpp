#include "matching/console/console_texts.h"

#include <QCoreApplication>

namespace qv {

const std::array<std::string_view, 9> ConsoleModifyHelp = {
    QT_TRANSLATE_NOOP("ConsoleText", "modify 帮助"),
    "modify n x y",
    QT_TRANSLATE_NOOP("ConsoleText", "n   第几个元件（n>=2; 0是系统阻抗,1是源阻抗）"),
    QT_TRANSLATE_NOOP("ConsoleText", "x   修改对像  c 电容"),
    QT_TRANSLATE_NOOP("ConsoleText", "              l 电感或微带长度 w 微带宽度  t 微带铜薄厚度"),
    QT_TRANSLATE_NOOP("ConsoleText", "               tr 介电常数 h 板材厚度"),
    QT_TRANSLATE_NOOP("ConsoleText", "                r  修改阻抗值(该节点是串或并的阻抗时，否则命令错误)"),
    QT_TRANSLATE_NOOP("ConsoleText", "                j  修改电抗值"),
    QT_TRANSLATE_NOOP("ConsoleText", "y  对应的值(可以输入单位如pf mH)"),
};

const std::array<std::string_view, 14> ConsoleAddcHelp = {
    QT_TRANSLATE_NOOP("ConsoleText", ">addc n m c 20p  插入第n个元件"),
    QT_TRANSLATE_NOOP("ConsoleText", ">       m=1   串电容 c 电容"),
    QT_TRANSLATE_NOOP("ConsoleText", ">       m=2   并电容 c 电容"),
    QT_TRANSLATE_NOOP("ConsoleText", ">       m=3   串电感 l 电感"),
    QT_TRANSLATE_NOOP("ConsoleText", ">       m=4   并电感 l 电感"),
    QT_TRANSLATE_NOOP("ConsoleText", ">addc x 5 w h l tr t  串微带"),
    QT_TRANSLATE_NOOP("ConsoleText", ">addc x 6 w h l tr t  并微带"),
    QT_TRANSLATE_NOOP("ConsoleText", ">addc x 9 w h l tr t  并短路微带"),
    QT_TRANSLATE_NOOP("ConsoleText", ">       x  第几个"),
    QT_TRANSLATE_NOOP("ConsoleText", ">       w  线宽"),
    QT_TRANSLATE_NOOP("ConsoleText", ">       h  板厚"),
    QT_TRANSLATE_NOOP("ConsoleText", ">       l  线长"),
    QT_TRANSLATE_NOOP("ConsoleText", ">       tr 介电常数"),
    QT_TRANSLATE_NOOP("ConsoleText", ">       t  铜薄厚度"),
};

const std::array<std::string_view, 9> ConsoleProgramHelp = {
    QT_TRANSLATE_NOOP("ConsoleText", "软件功能："),
    QT_TRANSLATE_NOOP("ConsoleText", "1 各种参数在圆图上的标示  右面键对应的输入在图上标示 "),
    QT_TRANSLATE_NOOP("ConsoleText", "2 S参数计算 以及在圆图上的标注"),
    QT_TRANSLATE_NOOP("ConsoleText", "3 微带线计算功能"),
    QT_TRANSLATE_NOOP("ConsoleText", "4 电路匹配的Quorvane"),
    QT_TRANSLATE_NOOP("ConsoleText", "  输入S参数 或输入阻抗等 匹配到源上的计算  "),
    QT_TRANSLATE_NOOP("ConsoleText",
                      "  例如：将功放管输入匹配到50欧 设功放管输入 1.5+j2.6(可以是各种形式的输入)"),
    QT_TRANSLATE_NOOP("ConsoleText", "       操作如下  先点击“起点设置” 弹出界面 输入以上参数 "),
    QT_TRANSLATE_NOOP(
        "ConsoleText",
        "       再点击“增加元件” 接入元件(例如 并电容 、串微带线等) 圆图上会显示结果，这样可以手动匹配电路"),
};

std::string JoinConsoleLines(std::span<const std::string_view> lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += TranslatedConsoleLine(lines[i]);
    }
    return text;
}

std::string TranslatedConsoleLine(std::string_view line) {
    return QCoreApplication::translate("ConsoleText", std::string(line).c_str()).toStdString();
}

} // namespace qv
