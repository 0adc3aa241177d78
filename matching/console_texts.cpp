#include "matching/console_texts.h"

namespace qv {

// After "help": the commands added for headless runs (slot 1 from ohms, the match figures that
// the main window shows beside the chart), the frequency-response commands, automatic matching,
// and undo and redo.
const std::array<std::string_view, 37> ConsoleCommandList = {
    "--------帮助--------",
    ">disp  x -->查看匹配接点",
    ">      x -->接点号 0-是系统阻抗，1-是源阻抗这两个不显示",
    ">exit 关闭窗口",
    ">setal 1 150 设置窗口是否透明 150透明程度 255不透明",
    ">settop 1 设置窗口置顶",
    ">settop 0 设置窗口正常",
    ">clr      清除窗口内容",
    ">m 或modify    修改元件值，直接键入m或modify是具体帮助",
    ">getcurr  查看接入元件数目",
    ">save  c:\\000  保存圆图上接入的元件到二进制文件 不输入文件名时会有文件对话框弹出",
    ">rdf  c:\\000  装入保存的接入元件 可以不输入文件名",
    ">mtr 0   在计算微带接入时不用有效波长计算",
    ">mtr 1   在计算微带接入时用有效波长计算",
    ">rdtr    读出在计算微带接入时是否用有效波长计算",
    ">addc    插入元件",
    ">delc n   删除第n个元件,n 从2开始",
    ">setm 1   ＝0共扼匹配 ＝1阻抗匹配",
    ">getm     ＝0共扼匹配 ＝1阻抗匹配",
    ">setfre  600m   设置频率",
    ">setzo   50     设置系统阻抗",
    ">sp   S参数表操作",
    ">help  软件帮助",
    ">setload 25 -10  设置负载阻抗 R X（欧姆）",
    ">setsrc  50 0    设置源阻抗 R X（欧姆）",
    ">getmatch  查看匹配结果 RLmatch IVmatch ILmatch",
    ">sweep 400m 700m 301  频率响应：频率MHz R X(欧) 回波损耗dB 驻波比",
    ">bw 10     回波损耗不低于10dB的频带：下沿MHz 上沿MHz 相对带宽%",
    ">sweepload s.s2p 1  扫描用的负载取自S参数文件端口1或2；不带文件名恢复恒定负载",
    ">export m.s2p  最近一次扫描导出为Touchstone文件（.s1p 输入反射，.s2p 匹配网络）",
    ">autom [Q] [short]  列出L、Pi、T和单支节自动匹配方案，Q为Pi和T网络的有载Q，short用短路支节",
    ">apply N [E24]  接入第N个方案，可选E12 E24 E48 E96标称值",
    ">undo     撤销上一步对网络的修改",
    ">redo     重做撤销的修改",
    ">parts 30 200 2 5  元件模型：电感Q 电容Q（0为理想） 电感容差% 电容容差%，不带参数时显示",
    ">yield 400m 700m 10 1000 [7]  成品率：频带内回波损耗不低于10dB的比例，1000次，可选随机种子",
    ">bodefano [10]  Bode-Fano极限：任何无损网络对此负载可达的最大带宽",
};

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

} // namespace qv
