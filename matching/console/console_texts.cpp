#include "matching/console/console_texts.h"

namespace qv {

const std::array<std::string_view, 9> ConsoleModifyHelp = {
    "modify 帮助",
    "modify n x y",
    "n   第几个元件（n>=2; 0是系统阻抗,1是源阻抗）",
    "x   修改对像  c 电容",
    "              l 电感或微带长度 w 微带宽度  t 微带铜薄厚度",
    "               tr 介电常数 h 板材厚度",
    "                r  修改阻抗值(该节点是串或并的阻抗时，否则命令错误)",
    "                j  修改电抗值",
    "y  对应的值(可以输入单位如pf mH)",
};

const std::array<std::string_view, 14> ConsoleAddcHelp = {
    ">addc n m c 20p  插入第n个元件",
    ">       m=1   串电容 c 电容",
    ">       m=2   并电容 c 电容",
    ">       m=3   串电感 l 电感",
    ">       m=4   并电感 l 电感",
    ">addc x 5 w h l tr t  串微带",
    ">addc x 6 w h l tr t  并微带",
    ">addc x 9 w h l tr t  并短路微带",
    ">       x  第几个",
    ">       w  线宽",
    ">       h  板厚",
    ">       l  线长",
    ">       tr 介电常数",
    ">       t  铜薄厚度",
};

const std::array<std::string_view, 9> ConsoleProgramHelp = {
    "软件功能：",
    "1 各种参数在圆图上的标示  右面键对应的输入在图上标示 ",
    "2 S参数计算 以及在圆图上的标注",
    "3 微带线计算功能",
    "4 电路匹配的Quorvane",
    "  输入S参数 或输入阻抗等 匹配到源上的计算  ",
    "  例如：将功放管输入匹配到50欧 设功放管输入 1.5+j2.6(可以是各种形式的输入)",
    "       操作如下  先点击“起点设置” 弹出界面 输入以上参数 ",
    "       再点击“增加元件” 接入元件(例如 并电容 、串微带线等) 圆图上会显示结果，这样可以手动匹配电路",
};

std::string JoinConsoleLines(std::span<const std::string_view> lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += lines[i];
    }
    return text;
}

} // namespace qv
