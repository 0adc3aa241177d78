<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="zh_CN">
<context>
    <name>AutoMatchText</name>
    <message>
        <location filename="../model/auto_match_texts.cpp" line="+13"/>
        <source>串C</source>
        <translation>Series C</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>并C</source>
        <translation>Shunt C</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>串L</source>
        <translation>Series L</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>并L</source>
        <translation>Shunt L</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>串微带</source>
        <translation>Series line</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>并短路支节</source>
        <translation>Short stub</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>并开路支节</source>
        <translation>Open stub</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>单支节</source>
        <translatorcomment>Glossary: 单支节 = single stub</translatorcomment>
        <translation>Single stub</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>频率和系统阻抗须为大于0的数</source>
        <translation>Fo and Zo must be numbers above 0</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>负载电阻须大于0：纯电抗或负电阻的负载无法用无损网络匹配</source>
        <translation>The load resistance must be above 0: a purely reactive or negative-resistance load cannot be matched losslessly</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>源电阻须大于0：纯电抗或负电阻的源无法用无损网络匹配</source>
        <translation>The source resistance must be above 0: a purely reactive or negative-resistance source cannot be matched losslessly</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>负载已与源匹配，无需匹配网络</source>
        <translation>The load already matches the source: no network is needed</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pi网络：Q=%1 低于最小值 %2</source>
        <translation>Pi network: Q=%1 is below the minimum %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>T网络：Q=%1 低于最小值 %2</source>
        <translation>T network: Q=%1 is below the minimum %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>单支节：基板参数无效（线宽、板厚、铜厚须大于0，板厚大于两倍铜厚，介电常数大于1）</source>
        <translation>Single stub: invalid substrate (width, height and copper thickness above 0, height above twice the copper, Er above 1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>单支节：特性阻抗%1欧的线在此基板上无解，请换线宽</source>
        <translation>Single stub: a line of Zo %1 ohm has no solution on this substrate; choose another line width</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>所选的网络形式没有解</source>
        <translation>The chosen forms have no solution</translation>
    </message>
</context>
<context>
    <name>ConsoleText</name>
    <message>
        <location filename="../console/console_auto_match.cpp" line="+18"/>
        <source>&gt;apply N [E24|E12|E48|E96]  N 为 autom 列出的方案号，不写系列时用精确值</source>
        <translation>&gt;apply N [E24|E12|E48|E96]  N is a solution number listed by autom; without a series the exact values are used</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>&gt;autom  没有设置负载和源阻抗</source>
        <translation>&gt;autom  The load and source impedances are not set</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&gt;autom [Q] [short]  Q 为大于0的有载Q，不写时取L网络最小Q的两倍；short 用短路支节</source>
        <translation>&gt;autom [Q] [short]  Q is the loaded Q, greater than 0 (default: twice the L network&apos;s minimum Q); short uses a short stub</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&gt;autom Q=%1（L网络最小Q=%2），按回波损耗不低于%3dB的带宽由宽到窄排列</source>
        <translation>&gt;autom Q=%1 (L network minimum Q=%2), sorted from the widest to the narrowest bandwidth with return loss of at least %3 dB</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&gt;apply  请先用 autom 列出匹配方案</source>
        <translation>&gt;apply  List the matching solutions with autom first</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&gt;apply  负载、源、频率、系统阻抗或匹配方式已改变，请重新输入 autom</source>
        <translation>&gt;apply  The load, source, frequency, Zo or matching mode has changed; enter autom again</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&gt;已接入方案%1（%2标称值） </source>
        <translation>&gt;Applied solution %1 (%2 nominal values) </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&gt;已接入方案%1 </source>
        <translation>&gt;Applied solution %1 </translation>
    </message>
    <message>
        <location filename="../console/console_commands.cpp" line="+118"/>
        <source>&gt;保存失败: %1</source>
        <translation>&gt;Save failed: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <location filename="../console/console_files.cpp" line="+18"/>
        <source>&gt;第%1个元件无法计算: %2</source>
        <translation>&gt;Element %1 cannot be computed: %2</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>&gt;addc 参数错误：%1</source>
        <translation>&gt;addc Invalid argument: %1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>&gt;setfre 参数错误：频率须为大于0的数，例如 setfre 600m</source>
        <translation>&gt;setfre Invalid argument: the frequency must be a number greater than 0, e.g. setfre 600m</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&gt;setzo 参数错误：系统阻抗须为大于0的数，例如 setzo 50</source>
        <translation>&gt;setzo Invalid argument: Zo must be a number greater than 0, e.g. setzo 50</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&gt;%1 R X  参数错误：R（不小于0）和 X 为欧姆值</source>
        <translation>&gt;%1 R X  Invalid argument: R (0 or more) and X in ohms</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&gt;负载阻抗:=%1欧</source>
        <translation>&gt;Load impedance:=%1 ohm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&gt;源阻抗:=%1欧</source>
        <translation>&gt;Source impedance:=%1 ohm</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&gt;getmatch  没有设置负载和源阻抗</source>
        <translation>&gt;getmatch  The load and source impedances are not set</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&gt;getmatch  第%1个元件无法计算，没有匹配结果</source>
        <translation>&gt;getmatch  Element %1 cannot be computed; no match result</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>&gt;已撤销</source>
        <translation>&gt;Undone</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&gt;没有可撤销的操作</source>
        <translation>&gt;Nothing to undo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&gt;已重做</source>
        <translation>&gt;Redone</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&gt;没有可重做的操作</source>
        <translation>&gt;Nothing to redo</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&gt;disp  x --&gt;查看匹配接点</source>
        <translation>&gt;disp  x --&gt;show a node of the matching network</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&gt;      x --&gt;接点号 0-是系统阻抗，1-是源阻抗这两个不显示</source>
        <translation>&gt;      x --&gt;node number; 0 (Zo) and 1 (source) are not shown</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&gt;exit 关闭窗口</source>
        <translation>&gt;exit close the window</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&gt;setal 1 150 设置窗口是否透明 150透明程度 255不透明</source>
        <translation>&gt;setal 1 150 set the window&apos;s transparency: 150 translucent, 255 opaque</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&gt;settop 1 设置窗口置顶</source>
        <translation>&gt;settop 1 keep the window on top</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&gt;settop 0 设置窗口正常</source>
        <translation>&gt;settop 0 normal window</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&gt;clr      清除窗口内容</source>
        <translation>&gt;clr      clear the window</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&gt;m 或modify    修改元件值，直接键入m或modify是具体帮助</source>
        <translation>&gt;m or modify    change an element&apos;s value; m or modify alone shows the details</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&gt;getcurr  查看接入元件数目</source>
        <translation>&gt;getcurr  show the number of elements</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&gt;save  c:\000  保存圆图上接入的元件到二进制文件 不输入文件名时会有文件对话框弹出</source>
        <translation>&gt;save  c:\000  save the elements on the chart to a binary file; without a file name a file dialog opens</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&gt;rdf  c:\000  装入保存的接入元件 可以不输入文件名</source>
        <translation>&gt;rdf  c:\000  load saved elements; the file name may be left out</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&gt;mtr 0   在计算微带接入时不用有效波长计算</source>
        <translation>&gt;mtr 0   compute microstrip elements without the effective wavelength</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&gt;mtr 1   在计算微带接入时用有效波长计算</source>
        <translation>&gt;mtr 1   compute microstrip elements with the effective wavelength</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&gt;rdtr    读出在计算微带接入时是否用有效波长计算</source>
        <translation>&gt;rdtr    show whether microstrip elements use the effective wavelength</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&gt;addc    插入元件</source>
        <translation>&gt;addc    insert an element</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&gt;delc n   删除第n个元件,n 从2开始</source>
        <translation>&gt;delc n   delete element n (n from 2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&gt;setm 1   ＝0共扼匹配 ＝1阻抗匹配</source>
        <translation>&gt;setm 1   0 = conjugate matching, 1 = impedance matching</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&gt;getm     ＝0共扼匹配 ＝1阻抗匹配</source>
        <translation>&gt;getm     0 = conjugate matching, 1 = impedance matching</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&gt;setfre  600m   设置频率</source>
        <translation>&gt;setfre  600m   set the frequency</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&gt;setzo   50     设置系统阻抗</source>
        <translation>&gt;setzo   50     set Zo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&gt;sp   S参数表操作</source>
        <translation>&gt;sp   S-parameter table</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&gt;help  软件帮助</source>
        <translation>&gt;help  program help</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&gt;setload 25 -10  设置负载阻抗 R X（欧姆）</source>
        <translation>&gt;setload 25 -10  set the load impedance R X (ohms)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&gt;setsrc  50 0    设置源阻抗 R X（欧姆）</source>
        <translation>&gt;setsrc  50 0    set the source impedance R X (ohms)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&gt;getmatch  查看匹配结果 RLmatch IVmatch ILmatch</source>
        <translation>&gt;getmatch  show the match result RLmatch IVmatch ILmatch</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&gt;sweep 400m 700m 301  频率响应：频率MHz R X(欧) 回波损耗dB 驻波比</source>
        <translation>&gt;sweep 400m 700m 301  frequency response: frequency MHz, R X (ohm), return loss dB, VSWR</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&gt;bw 10     回波损耗不低于10dB的频带：下沿MHz 上沿MHz 相对带宽%</source>
        <translation>&gt;bw 10     band with return loss of at least 10 dB: lower edge MHz, upper edge MHz, fractional bandwidth %</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&gt;sweepload s.s2p 1  扫描用的负载取自S参数文件端口1或2；不带文件名恢复恒定负载</source>
        <translation>&gt;sweepload s.s2p 1  sweep with the load from port 1 or 2 of an S-parameter file; without a file name back to the constant load</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&gt;export m.s2p  最近一次扫描导出为Touchstone文件（.s1p 输入反射，.s2p 匹配网络）</source>
        <translation>&gt;export m.s2p  export the last sweep as a Touchstone file (.s1p input reflection, .s2p matching network)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&gt;plot resp.png  最近一次扫描的频率响应图（.png .svg .pdf），或其数据（.csv）</source>
        <translation>&gt;plot resp.png  frequency response plot of the last sweep (.png .svg .pdf) or its data (.csv)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&gt;autom [Q] [short]  列出L、Pi、T和单支节自动匹配方案，Q为Pi和T网络的有载Q，short用短路支节</source>
        <translation>&gt;autom [Q] [short]  list L, Pi, T and single stub automatic matching solutions; Q is the loaded Q of the Pi and T networks, short uses a short stub</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&gt;apply N [E24]  接入第N个方案，可选E12 E24 E48 E96标称值</source>
        <translation>&gt;apply N [E24]  apply solution N, optionally with E12 E24 E48 E96 nominal values</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&gt;undo     撤销上一步对网络的修改</source>
        <translation>&gt;undo     undo the last change to the network</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&gt;redo     重做撤销的修改</source>
        <translation>&gt;redo     redo the undone change</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&gt;parts 30 200 2 5  元件模型：电感Q 电容Q（0为理想） 电感容差% 电容容差%，不带参数时显示</source>
        <translation>&gt;parts 30 200 2 5  element model: inductor Q, capacitor Q (0 = ideal), inductor tolerance %, capacitor tolerance %; without arguments shows it</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&gt;yield 400m 700m 10 1000 [7]  成品率：频带内回波损耗不低于10dB的比例，1000次，可选随机种子</source>
        <translation>&gt;yield 400m 700m 10 1000 [7]  yield: share of builds with return loss of at least 10 dB in the band, 1000 builds, optional random seed</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&gt;bodefano [10]  Bode-Fano极限：任何无损网络对此负载可达的最大带宽</source>
        <translation>&gt;bodefano [10]  Bode-Fano limit: the widest bandwidth any lossless network can reach for this load</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&gt;twoport s.s2p 2g  读入晶体管文件在该频率的数据（并设为工作频率）：稳定性、最大增益、同时共轭匹配、噪声参数</source>
        <translation>&gt;twoport s.s2p 2g  read the transistor file at this frequency (and make it the operating frequency): stability, maximum gain, simultaneous conjugate match, noise parameters</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&gt;circle ga 12  画可用增益圆（ga）、工作增益圆（gp）或噪声圆（nf，dB）</source>
        <translation>&gt;circle ga 12  draw an available gain circle (ga), operating gain circle (gp) or noise circle (nf), in dB</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&gt;ampin [opt]  负载设为晶体管输入阻抗（同时共轭匹配；opt：最佳噪声），源为Zo，用于设计输入网络</source>
        <translation>&gt;ampin [opt]  set the load to the transistor&apos;s input impedance (simultaneous conjugate match; opt: optimum noise) and the source to Zo, to design the input network</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&gt;ampout   负载设为晶体管输出阻抗（同时共轭匹配），源为Zo，用于设计输出网络</source>
        <translation>&gt;ampout   set the load to the transistor&apos;s output impedance (simultaneous conjugate match) and the source to Zo, to design the output network</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&gt;stage in.smh t.s2p out.smh 1g 3g 201  放大器：输入网络、晶体管文件、输出网络级联，每个频率 MHz GT(dB) 输入回波损耗 输出回波损耗 mu，及稳定性结论；之后 export x.s2p 导出</source>
        <translation>&gt;stage in.smh t.s2p out.smh 1g 3g 201  amplifier: input network, transistor file and output network in cascade; per frequency MHz, GT (dB), input return loss, output return loss, mu, and the stability verdict; then export x.s2p exports it</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>--------帮助--------</source>
        <translation>--------Help--------</translation>
    </message>
    <message>
        <location filename="../console/console_files.cpp" line="-4"/>
        <source>&gt;载入失败: %1</source>
        <translation>&gt;Load failed: %1</translation>
    </message>
    <message>
        <location filename="../console/console_interpreter.cpp" line="+29"/>
        <source>节点阻抗:=%1</source>
        <translation>Node impedance:=%1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>串联电容</source>
        <translation>Series C</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>并联电容</source>
        <translation>Shunt C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>串联电感</source>
        <translation>Series L</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>并联电感</source>
        <translation>Shunt L</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>串联微带</source>
        <translation>Series line</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>并联微带</source>
        <translation>Shunt stub</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>并联短路微带</source>
        <translation>Shunt short stub</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>频率:%1微带长度:%2宽度:%3</source>
        <translation>Frequency:%1 Microstrip length:%2 Width:%3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>串联阻抗</source>
        <translation>Series Z</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>并联阻抗</source>
        <translation>Shunt Z</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>-&gt;阻抗:%1,电抗:%2</source>
        <translation>-&gt;Resistance:%1, Reactance:%2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>输入阻抗:=%1</source>
        <translation>Input impedance:=%1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&gt;modify 参数错误：%1</source>
        <translation>&gt;modify Invalid argument: %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&apos;%1&apos; 不是有效的元件值，例如 20p、10n</source>
        <translation>&apos;%1&apos; is not a valid element value, e.g. 20p, 10n</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>微带元件可改 w、l、tr、h、t</source>
        <translation>A microstrip element can change w, l, tr, h, t</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>阻抗元件可改 r、j</source>
        <translation>An impedance element can change r, j</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&gt;%1 不是命令（命令区分大小写），输入 ? 查看命令列表</source>
        <translation>&gt;%1 is not a command (commands are case-sensitive); type ? for the list of commands</translation>
    </message>
    <message>
        <location filename="../console/console_parts.cpp" line="+32"/>
        <source>参数错误：&apos;%1&apos; 不是数</source>
        <translation>Invalid argument: &apos;%1&apos; is not a number</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>参数错误：电感Q 电容Q（0为理想元件） 电感容差% 电容容差%</source>
        <translation>Invalid argument: inductor Q, capacitor Q (0 = ideal element), inductor tolerance %, capacitor tolerance %</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>参数错误：第%1个值 Q 须为不小于0的数（0为理想元件）</source>
        <translation>Invalid argument: value %1, Q must be a number of 0 or more (0 = ideal element)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>参数错误：第%1个值 容差须不小于0且小于100%</source>
        <translation>Invalid argument: value %1, the tolerance must be at least 0 and below 100%</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../console/console_sweep.cpp" line="+32"/>
        <source>没有设置负载和源阻抗</source>
        <translation>No load and source set</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>参数错误：起止频率（可带单位，如 400m）、回波损耗门限dB、次数、可选的随机种子</source>
        <translation>Invalid argument: start and stop frequency (units allowed, e.g. 400m), return loss threshold dB, number of builds, optional random seed</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&gt;bodefano  没有设置负载和源阻抗</source>
        <translation>&gt;bodefano  The load and source impedances are not set</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&gt;bodefano RL  参数错误：RL 为正的回波损耗门限（dB），缺省 10</source>
        <translation>&gt;bodefano RL  Invalid argument: RL is a positive return loss threshold (dB), default 10</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&gt;Bode-Fano: 负载为纯电阻（Q=0），带宽没有限制</source>
        <translation>&gt;Bode-Fano: the load is a pure resistance (Q=0); the bandwidth is unlimited</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&gt;Bode-Fano: 负载电阻须大于0</source>
        <translation>&gt;Bode-Fano: the load resistance must be greater than 0</translation>
    </message>
    <message>
        <location filename="../console/console_stage.cpp" line="+30"/>
        <source>无法稳定</source>
        <translation>cannot stabilise</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>不需要</source>
        <translation>none needed</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&gt;=%1欧（%2MHz）</source>
        <translation>&gt;=%1 ohm (%2 MHz)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;=%1欧（%2MHz）</source>
        <translation>&lt;=%1 ohm (%2 MHz)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&gt;%1个频率点无法计算</source>
        <translation>&gt;%1 frequency points cannot be computed</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&gt;输入端不稳定（|Gin|&gt;=1），从 %1MHz 起</source>
        <translation>&gt;Input unstable (|Gin|&gt;=1) from %1 MHz</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&gt;输出端不稳定（|Gout|&gt;=1），从 %1MHz 起</source>
        <translation>&gt;Output unstable (|Gout|&gt;=1) from %1 MHz</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&gt;使 mu&gt;1 的稳定电阻：输入串联 %1，输入并联 %2，输出串联 %3，输出并联 %4</source>
        <translation>&gt;Stabilising resistance for mu&gt;1: input series %1, input shunt %2, output series %3, output shunt %4</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>参数错误：输入网络文件、晶体管文件、输出网络文件、起止频率（可带单位）和点数</source>
        <translation>Invalid argument: input network file, transistor file, output network file, start and stop frequency (units allowed) and points</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>无法读入输入网络 %1：%2</source>
        <translation>Cannot read the input network %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>无法读入晶体管文件 %1：%2</source>
        <translation>Cannot read the transistor file %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>无法读入输出网络 %1：%2</source>
        <translation>Cannot read the output network %1: %2</translation>
    </message>
    <message>
        <location filename="../console/console_step.cpp" line="+55"/>
        <source>&gt;在计算微带接入时用有效波长计算</source>
        <translation>&gt;Microstrip elements are computed with the effective wavelength</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&gt;在计算微带接入时不用有效波长计算</source>
        <translation>&gt;Microstrip elements are computed without the effective wavelength</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>保存成功</source>
        <translation>Saved</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&gt;设置共扼匹配</source>
        <translation>&gt;Conjugate matching set</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&gt;设置阻抗匹配</source>
        <translation>&gt;Impedance matching set</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&gt;系统设置为共扼匹配</source>
        <translation>&gt;Conjugate matching is set</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&gt;系统设置为阻抗匹配</source>
        <translation>&gt;Impedance matching is set</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&gt;当前频率为%1</source>
        <translation>&gt;The current frequency is %1</translation>
    </message>
    <message>
        <location filename="../console/console_sweep.cpp" line="+12"/>
        <source>参数错误：起止频率（可带单位，如 400m）和点数</source>
        <translation>Invalid argument: start and stop frequency (units allowed, e.g. 400m) and points</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>请先用 sweep 扫描</source>
        <translation>Run a sweep first</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1，请重新 sweep</source>
        <translation>%1; sweep again</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&gt;bw RL  参数错误：RL 为正的回波损耗门限（dB），缺省 10</source>
        <translation>&gt;bw RL  Invalid argument: RL is a positive return loss threshold (dB), default 10</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&gt;bw 工作频率 %1 不在扫描范围内</source>
        <translation>&gt;bw The operating frequency %1 is outside the sweep</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&gt;bw 工作频率处无法计算：%1</source>
        <translation>&gt;bw Cannot compute at the operating frequency: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&gt;bw 匹配达不到 %1dB：工作频率处回波损耗为 %2dB</source>
        <translation>&gt;bw The match does not reach %1 dB: the return loss at the operating frequency is %2 dB</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&gt;bw 频带延伸到扫描范围之外，频带边沿只是扫描的端点，请加宽扫描</source>
        <translation>&gt;bw The band extends beyond the sweep; its edges are only the ends of the sweep; widen the sweep</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&gt;扫描负载：起点设置的恒定负载</source>
        <translation>&gt;Sweep load: the constant load of the matching setup</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&gt;sweepload FILE [PORT]  参数错误：PORT 为 1 或 2</source>
        <translation>&gt;sweepload FILE [PORT]  Invalid argument: PORT is 1 or 2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&gt;扫描负载：%1，%2个频率点，%3 - %4 MHz</source>
        <translation>&gt;Sweep load: %1, %2 frequency points, %3 - %4 MHz</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&gt;export FILE  文件名须以 .s1p 或 .s2p 结尾</source>
        <translation>&gt;export FILE  The file name must end in .s1p or .s2p</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&gt;plot FILE  文件名须以 .png、.svg、.pdf 或 .csv 结尾</source>
        <translation>&gt;plot FILE  The file name must end in .png, .svg, .pdf or .csv</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>&gt;plot 文件名须以 .png、.svg、.pdf 或 .csv 结尾</source>
        <translation>&gt;plot The file name must end in .png, .svg, .pdf or .csv</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&gt;plot 这里没有频率响应图，只能写 .csv</source>
        <translation>&gt;plot No frequency response plot here; only .csv can be written</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&gt;plot 导出失败: %1</source>
        <translation>&gt;plot Export failed: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&gt;plot 已写入 %1</source>
        <translation>&gt;plot Written %1</translation>
    </message>
    <message>
        <location filename="../console/console_texts.cpp" line="+8"/>
        <source>modify 帮助</source>
        <translation>modify help</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>n   第几个元件（n&gt;=2; 0是系统阻抗,1是源阻抗）</source>
        <translation>n   element number (n&gt;=2; 0 is Zo, 1 is the source impedance)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>x   修改对像  c 电容</source>
        <translation>x   what to change  c capacitance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>              l 电感或微带长度 w 微带宽度  t 微带铜薄厚度</source>
        <translation>              l inductance or microstrip length  w microstrip line width  t copper thickness</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>               tr 介电常数 h 板材厚度</source>
        <translation>               tr dielectric constant  h substrate height</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>                r  修改阻抗值(该节点是串或并的阻抗时，否则命令错误)</source>
        <translation>                r  change the resistance (for a series or shunt impedance only)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>                j  修改电抗值</source>
        <translation>                j  change the reactance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>y  对应的值(可以输入单位如pf mH)</source>
        <translation>y  the value (units allowed, e.g. pf mH)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&gt;addc n m c 20p  插入第n个元件</source>
        <translation>&gt;addc n m c 20p  insert element n</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&gt;       m=1   串电容 c 电容</source>
        <translation>&gt;       m=1   series capacitor  c capacitance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&gt;       m=2   并电容 c 电容</source>
        <translation>&gt;       m=2   shunt capacitor  c capacitance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&gt;       m=3   串电感 l 电感</source>
        <translation>&gt;       m=3   series inductor  l inductance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&gt;       m=4   并电感 l 电感</source>
        <translation>&gt;       m=4   shunt inductor  l inductance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&gt;addc x 5 w h l tr t  串微带</source>
        <translation>&gt;addc x 5 w h l tr t  series microstrip line</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&gt;addc x 6 w h l tr t  并微带</source>
        <translation>&gt;addc x 6 w h l tr t  shunt open stub</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&gt;addc x 9 w h l tr t  并短路微带</source>
        <translation>&gt;addc x 9 w h l tr t  shunt short stub</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&gt;       x  第几个</source>
        <translation>&gt;       x  element number</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&gt;       w  线宽</source>
        <translation>&gt;       w  line width</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&gt;       h  板厚</source>
        <translation>&gt;       h  substrate height</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&gt;       l  线长</source>
        <translation>&gt;       l  length</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&gt;       tr 介电常数</source>
        <translation>&gt;       tr dielectric constant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&gt;       t  铜薄厚度</source>
        <translation>&gt;       t  copper thickness</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>软件功能：</source>
        <translation>What the program does:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 各种参数在圆图上的标示  右面键对应的输入在图上标示 </source>
        <translation>1 Marks values of every kind on the Smith chart: the inputs on the right are marked on the chart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2 S参数计算 以及在圆图上的标注</source>
        <translation>2 S-parameter calculations, marked on the Smith chart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3 微带线计算功能</source>
        <translation>3 Microstrip line calculations</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4 电路匹配的Quorvane</source>
        <translation>4 Circuit matching with Quorvane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  输入S参数 或输入阻抗等 匹配到源上的计算  </source>
        <translation>  Enter S-parameters or an impedance and compute the match to the source</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  例如：将功放管输入匹配到50欧 设功放管输入 1.5+j2.6(可以是各种形式的输入)</source>
        <translation>  Example: match a power transistor&apos;s input to 50 ohm; set its input to 1.5+j2.6 (any form of input)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>       操作如下  先点击“起点设置” 弹出界面 输入以上参数 </source>
        <translation>       Steps: click &quot;Matching setup&quot;, enter the values above in the window that opens</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>       再点击“增加元件” 接入元件(例如 并电容 、串微带线等) 圆图上会显示结果，这样可以手动匹配电路</source>
        <translation>       then click &quot;Add element&quot; and add elements (e.g. a shunt capacitor, a series microstrip line); the chart shows the result, so the circuit can be matched by hand</translation>
    </message>
    <message>
        <location filename="../console/console_twoport.cpp" line="+48"/>
        <source>器件不是无条件稳定（K&lt;=1 或 |D|&gt;=1），没有同时共轭匹配</source>
        <translation>the device is not unconditionally stable (K&lt;=1 or |D|&gt;=1): no simultaneous conjugate match</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>没有反射系数能得到这个增益（高于最大增益）</source>
        <translation>No reflection gives this gain (above the maximum gain)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>噪声系数低于该频率的最小噪声系数NFmin</source>
        <translation>the noise figure is below NFmin at this frequency</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>文件在该频率没有噪声参数</source>
        <translation>the file has no noise parameters at this frequency</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>用法：twoport FILE F，F 为频率（可带单位，如 2g、900m）</source>
        <translation>Usage: twoport FILE F, F the frequency (units allowed, e.g. 2g, 900m)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>频率 %1MHz 不在文件的频率范围 %2 - %3 MHz 内</source>
        <translation>The frequency %1 MHz is outside the file&apos;s range %2 - %3 MHz</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>无法计算：%1</source>
        <translation>Cannot compute: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source> 请先用 twoport FILE F 读入器件</source>
        <translation> Read a device with twoport FILE F first</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&gt;circle ga|gp|nf DB  参数错误：ga 可用增益圆，gp 工作增益圆，nf 噪声圆，DB 为 dB 值</source>
        <translation>&gt;circle ga|gp|nf DB  Invalid argument: ga available gain circle, gp operating gain circle, nf noise circle, DB the value in dB</translation>
    </message>
    <message>
        <location line="+46"/>
        <source> 无法计算：%1</source>
        <translation> cannot compute: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&gt;负载阻抗:=%1欧 源阻抗:=%2欧</source>
        <translation>&gt;Load impedance:=%1 ohm Source impedance:=%2 ohm</translation>
    </message>
</context>
<context>
    <name>ElementLabel</name>
    <message>
        <location filename="../drawing/element_path.cpp" line="+162"/>
        <source>串</source>
        <translatorcomment>Glossary: 串 = series</translatorcomment>
        <translation>series </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>并</source>
        <translatorcomment>Glossary: 并 = shunt</translatorcomment>
        <translation>shunt </translation>
    </message>
</context>
<context>
    <name>NetworkDialogs</name>
    <message>
        <location filename="../windows/network_dialogs.cpp" line="+72"/>
        <source>%1文件存在是否覆盖 </source>
        <translation>%1 exists. Overwrite it?</translation>
    </message>
</context>
<context>
    <name>NetworkText</name>
    <message>
        <location filename="../model/auto_match_network.cpp" line="+42"/>
        <source>请先设置负载和源</source>
        <translation>Set the load and source first</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>元件太多</source>
        <translation>Too many elements</translation>
    </message>
    <message>
        <location filename="../model/network_file.cpp" line="+51"/>
        <source>网络文件太短</source>
        <translation>The network file is too short</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>网络文件的节点数不在0..500之间</source>
        <translation>The node count of the network file is not within 0..500</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>网络文件比它的节点数所需的短</source>
        <translation>The network file is shorter than its node count needs</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>网络文件的频率不是可用的正数</source>
        <translation>The network file&apos;s frequency is not a usable positive number</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>网络文件的特征阻抗不是可用的正数</source>
        <translation>The network file&apos;s Zo is not a usable positive number</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>节点数不在0..500之间,网络没有保存</source>
        <translation>The node count is not within 0..500: the network was not saved</translation>
    </message>
    <message>
        <location filename="../model/network_model.cpp" line="+17"/>
        <source>没有这个元件位置</source>
        <translation>No such element position</translation>
    </message>
    <message>
        <location line="+126"/>
        <source>频率须为大于0的数</source>
        <translation>The frequency must be a number greater than 0</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>系统阻抗须为大于0的数</source>
        <translation>Zo must be a number greater than 0</translation>
    </message>
    <message>
        <location filename="../model/network_nodes.cpp" line="+84"/>
        <source>匹配网络已满(最多499个元件),不能再接入元件</source>
        <translation>The matching network is full (499 elements at most): no element can be added</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>请先通过“匹配设置”设置负载和源</source>
        <translation>Set the load and the source with &quot;Match setup&quot; first</translation>
    </message>
    <message>
        <location filename="../model/network_texts.cpp" line="+16"/>
        <source>电容值必须大于0</source>
        <translation>The capacitance must be greater than 0</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>电感值必须大于0</source>
        <translation>The inductance must be greater than 0</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>微带的线宽、板厚、长度和介电常数必须大于0</source>
        <translation>The microstrip&apos;s line width, substrate height, length and dielectric constant must be greater than 0</translation>
    </message>
</context>
<context>
    <name>SweepText</name>
    <message>
        <location filename="../model/sweep_texts.cpp" line="+23"/>
        <source>起止频率必须为正数</source>
        <translation>The start and stop frequencies must be positive</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>起始频率必须低于终止频率</source>
        <translation>The start frequency must be below the stop frequency</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>点数必须在%1到%2之间</source>
        <translation>The number of points must be between %1 and %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>频率范围太窄：%1个点在15位有效数字下不能互相区分</source>
        <translation>The frequency range is too narrow: %1 points cannot be told apart with 15 significant digits</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>负载文件只覆盖%1到%2 MHz</source>
        <translation>The load file covers only %1 to %2 MHz</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>负载文件至少需要两个频率点</source>
        <translation>The load file needs at least two frequency points</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>负载文件的参考阻抗无效</source>
        <translation>The load file&apos;s reference impedance is invalid</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>负载文件的频率必须为正且严格递增</source>
        <translation>The load file&apos;s frequencies must be positive and strictly increasing</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>负载文件含有无效的反射系数</source>
        <translation>The load file contains an invalid reflection coefficient</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>文件没有端口%1的反射系数（S%1%1）</source>
        <translation>The file has no reflection coefficient of port %1 (S%1%1)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 端口%2</source>
        <translation>%1 port %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 MHz 不在负载文件的频率范围内</source>
        <translation>%1 MHz is outside the load file&apos;s frequency range</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+49"/>
        <source>%1 计算失败：%2</source>
        <translation>%1 calculation failed: %2</translation>
    </message>
    <message>
        <location line="-41"/>
        <source>&gt;export 放大器的S参数须导出为 .s2p 文件</source>
        <translation>&gt;export The amplifier&apos;s S-parameters must be exported to an .s2p file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&gt;export 文件名须以 .s1p 或 .s2p 结尾</source>
        <translation>&gt;export The file name must end in .s1p or .s2p</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&gt;export 没有可写的频率点，文件未写入</source>
        <translation>&gt;export No frequency points to write; the file was not written</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&gt;export 导出失败: %1</source>
        <translation>&gt;export Export failed: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&gt;已导出放大器%1个频率点到 %2</source>
        <translation>&gt;Exported %1 amplifier frequency points to %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&gt;已导出%1个频率点到 %2</source>
        <translation>&gt;Exported %1 frequency points to %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>（%1个无法计算的频率点未写入）</source>
        <translation> (%1 frequency points that cannot be computed were not written)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>输入网络和输出网络的特征阻抗不同（%1 欧和 %2 欧）</source>
        <translation>The input and output networks have different Zo (%1 ohm and %2 ohm)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>晶体管文件没有S参数</source>
        <translation>The transistor file has no S-parameters</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>频率范围 %1 - %2 MHz 超出晶体管文件的 %3 - %4 MHz</source>
        <translation>The frequency range %1 - %2 MHz is beyond the transistor file&apos;s %3 - %4 MHz</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>不在晶体管文件的频率范围内</source>
        <translation>outside the transistor file&apos;s frequency range</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>RL 须为正的回波损耗门限（dB）</source>
        <translation>RL must be a positive return-loss threshold (dB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>N 须在1到%1之间</source>
        <translation>N must be between 1 and %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 MHz 处无法计算：%2</source>
        <translation>Cannot compute at %1 MHz: %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>工作频率不在扫描范围内</source>
        <translation>The design frequency is outside the sweep</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>工作频率处无法计算：%1</source>
        <translation>Cannot compute at the operating frequency: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>匹配达不到 %1dB：工作频率处回波损耗为 %2dB</source>
        <translation>The match does not reach %1 dB: the return loss at the operating frequency is %2 dB</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>回波损耗≥%1dB：%2 - %3 MHz，相对带宽 %4%</source>
        <translation>Return loss ≥ %1 dB: %2 - %3 MHz, fractional bandwidth %4%</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>（频带超出扫描范围）</source>
        <translation> (the band extends beyond the sweep)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1个频率点无法计算（未画出），如 %2 MHz：%3</source>
        <translation>%1 frequency points cannot be computed (not drawn), e.g. %2 MHz: %3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Bode-Fano极限 %1 MHz（%2%）</source>
        <translation>Bode-Fano limit %1 MHz (%2%)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>，本设计为极限的 %1%</source>
        <translation>; this design reaches %1% of the limit</translation>
    </message>
</context>
<context>
    <name>qv::AmplifierStageWindow</name>
    <message>
        <location filename="../windows/amplifier_stage_window.cpp" line="+61"/>
        <source>无法稳定</source>
        <translation>cannot stabilise</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>不需要</source>
        <translation>not needed</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&gt;=%1欧 @%2MHz</source>
        <translation>&gt;=%1 ohm @%2MHz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;=%1欧 @%2MHz</source>
        <translation>&lt;=%1 ohm @%2MHz</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>放大器</source>
        <translation>Amplifier stage</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+86"/>
        <source>晶体管文件</source>
        <translatorcomment>Glossary: 晶体管文件 = transistor file</translatorcomment>
        <translation>Transistor file</translation>
    </message>
    <message>
        <location line="-77"/>
        <source>当前网络</source>
        <translation>Current network</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>网络文件</source>
        <translation>Network file</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+79"/>
        <location line="+43"/>
        <source>输入网络</source>
        <translation>Input network</translation>
    </message>
    <message>
        <location line="-121"/>
        <location line="+87"/>
        <location line="+37"/>
        <source>输出网络</source>
        <translation>Output network</translation>
    </message>
    <message>
        <location line="-123"/>
        <source>起始频率</source>
        <translation>Start frequency</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>终止频率</source>
        <translation>Stop frequency</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>点数</source>
        <translation>Points</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>计算</source>
        <translatorcomment>Glossary: 计算 = Calculate (a button; window titles name their window)</translatorcomment>
        <translation>Calculate</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+216"/>
        <source>导出S2P...</source>
        <translation>Export S2P...</translation>
    </message>
    <message>
        <location line="-215"/>
        <location line="+225"/>
        <source>保存图片...</source>
        <translation>Save picture...</translation>
    </message>
    <message>
        <location line="-210"/>
        <source>不稳定</source>
        <translation>Unstable</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>增益GT dB</source>
        <translation>Gain GT dB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>输入回波损耗 dB</source>
        <translation>Input return loss dB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>输出回波损耗 dB</source>
        <translation>Output return loss dB</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>S参数文件 (*.s2p *.S2P *.txt);;所有文件 (*)</source>
        <translation>S-parameter files (*.s2p *.S2P *.txt);;All files (*)</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+9"/>
        <source>网络文件 (*.smh);;所有文件 (*)</source>
        <translation>Network files (*.smh);;All files (*)</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>输入错误！</source>
        <translatorcomment>Glossary: 输入错误！ = Input error!</translatorcomment>
        <translation>Input error!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>晶体管文件: %1</source>
        <translation>Transistor file: %1</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>稳定：|Gin|&lt;=%1 @%2MHz，|Gout|&lt;=%3 @%4MHz</source>
        <translation>Stable: |Gin|&lt;=%1 @%2MHz, |Gout|&lt;=%3 @%4MHz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>不稳定：|Gin|&lt;=%1 @%2MHz，|Gout|&lt;=%3 @%4MHz</source>
        <translation>Unstable: |Gin|&lt;=%1 @%2MHz, |Gout|&lt;=%3 @%4MHz</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1个频率点无法计算</source>
        <translation>%1 frequency points cannot be calculated</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>输入端不稳定的最低频率：%1MHz</source>
        <translation>Lowest frequency where the input is unstable: %1MHz</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>输出端不稳定的最低频率：%1MHz</source>
        <translation>Lowest frequency where the output is unstable: %1MHz</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>稳定电阻（mu&gt;1）：输入串联 %1，输入并联 %2，输出串联 %3，输出并联 %4</source>
        <translation>Stabilising resistors (mu&gt;1): input series %1, input shunt %2, output series %3, output shunt %4</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>请先计算</source>
        <translation>Calculate first</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>图片 (*.png *.bmp)</source>
        <translation>Pictures (*.png *.bmp)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>无法写入文件 %1</source>
        <translation>Cannot write the file %1</translation>
    </message>
</context>
<context>
    <name>qv::AutoMatchWindow</name>
    <message>
        <location filename="../windows/auto_match_window.cpp" line="+31"/>
        <source>线宽mm</source>
        <translation>Line width mm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>板厚mm</source>
        <translation>Height mm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>铜厚mm</source>
        <translation>Copper mm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>介电常数</source>
        <translatorcomment>Glossary: 介电常数 = dielectric constant</translatorcomment>
        <translation>εr</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>自动匹配</source>
        <translatorcomment>Glossary: 自动匹配 = Automatic matching</translatorcomment>
        <translation>Automatic matching</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>单支节</source>
        <translatorcomment>Glossary: 单支节 = single stub</translatorcomment>
        <translation>Single stub</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+29"/>
        <location line="+65"/>
        <source>有载Q</source>
        <translatorcomment>Glossary: 有载Q = Loaded Q</translatorcomment>
        <translation>Loaded Q</translation>
    </message>
    <message>
        <location line="-91"/>
        <source>Pi和T网络的有载Q，空着时取L网络最小Q的两倍</source>
        <translation>Loaded Q of the Pi and T networks; when empty, twice the minimum Q of the L network</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>标称系列</source>
        <translation>Series</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>短路支节</source>
        <translatorcomment>Glossary: 短路支节 = short stub</translatorcomment>
        <translation>Short stub</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>计算</source>
        <translatorcomment>Glossary: 计算 = Calculate (a button; window titles name their window)</translatorcomment>
        <translation>Calculate</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>形式</source>
        <translation>Topology</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>元件（精确值）</source>
        <translation>Elements (exact values)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>标称值</source>
        <translatorcomment>Glossary: 标称值 = nominal value</translatorcomment>
        <translation>Nominal values</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>标称值回损dB</source>
        <translation>Nominal return loss dB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>带宽MHz</source>
        <translation>Bandwidth MHz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Bode-Fano%</source>
        <translation>Bode-Fano%</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>用标称值</source>
        <translation>Use nominal values</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+143"/>
        <source>负载、源、频率、系统阻抗或匹配方式已改变，请重新计算</source>
        <translation>The load, source, frequency, system impedance or matching choice has changed: calculate again</translation>
    </message>
    <message>
        <location line="-135"/>
        <source>设计条件：没有设置负载和源</source>
        <translation>Design target: no load and source set</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>设计条件：f=%1 负载=%2欧 源=%3欧</source>
        <translation>Design target: f=%1 Load=%2 ohm Source=%3 ohm</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>请先在“匹配设置”中设置负载和源</source>
        <translation>Set the load and the source in &quot;Matching setup&quot; first</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Q=%1（L网络最小Q=%2），按回波损耗不低于%3dB的带宽由宽到窄排列。</source>
        <translation>Q=%1 (minimum Q of the L network=%2), sorted from widest to narrowest bandwidth with return loss of at least %3dB. </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1。</source>
        <translation>%1. </translation>
    </message>
    <message>
        <location line="+37"/>
        <source>请先计算并选择一个方案</source>
        <translation>Calculate and choose a solution first</translation>
    </message>
</context>
<context>
    <name>qv::NetworkChartLink</name>
    <message>
        <location filename="../drawing/network_chart_link.cpp" line="+63"/>
        <source>载入失败: %1</source>
        <translation>Loading failed: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>第%1个元件无法计算: %2</source>
        <translation>Element %1 cannot be calculated: %2</translation>
    </message>
</context>
<context>
    <name>qv::ResponseChart</name>
    <message>
        <location filename="../windows/response_chart.cpp" line="+40"/>
        <location line="+17"/>
        <source>回波损耗 dB</source>
        <translation>Return loss dB</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+18"/>
        <source>驻波比</source>
        <translatorcomment>Glossary: 驻波比 = VSWR</translatorcomment>
        <translation>VSWR</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>频带</source>
        <translation>Band</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>最差</source>
        <translation>Worst</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>最好</source>
        <translation>Best</translation>
    </message>
</context>
<context>
    <name>qv::TForm3</name>
    <message>
        <location filename="../windows/tee_match_window.cpp" line="+81"/>
        <source>匹配计算</source>
        <translation>Matching calculator</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>T匹配计算</source>
        <translation>T match</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>电抗计算</source>
        <translation>Reactance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>基本计算</source>
        <translation>Basic</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Rsoure</source>
        <translation>Rsource</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Q1取值</source>
        <translation>Q1 value</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>再计算LC</source>
        <translation>Then LC</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>先计算Q2</source>
        <translation>First Q2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>R1=&gt;Rsoure</source>
        <translation>R1=&gt;Rsource</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>电容</source>
        <translatorcomment>Glossary: 电容 = capacitor / capacitance</translatorcomment>
        <translation>Capacitance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>电感</source>
        <translatorcomment>Glossary: 电感 = inductor / inductance</translatorcomment>
        <translation>Inductance</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+8"/>
        <source>欧</source>
        <translation>Ω</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>容抗</source>
        <translation>Xc</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>感抗</source>
        <translation>XL</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+19"/>
        <source>计算</source>
        <translatorcomment>Glossary: 计算 = Calculate (a button; window titles name their window)</translatorcomment>
        <translation>Calculate</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>并联计算</source>
        <translation>Parallel</translation>
    </message>
    <message>
        <location line="+37"/>
        <location line="+10"/>
        <source>输入错误！</source>
        <translatorcomment>Glossary: 输入错误！ = Input error!</translatorcomment>
        <translation>Input error!</translation>
    </message>
</context>
<context>
    <name>qv::Tflcop</name>
    <message>
        <location filename="../windows/insertion_window.cpp" line="+31"/>
        <source>串联电容</source>
        <translation>Series C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>并联电容</source>
        <translation>Shunt C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>串联电感</source>
        <translation>Series L</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>并联电感</source>
        <translation>Shunt L</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>串联微带</source>
        <translation>Series line</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>并联微带</source>
        <translation>Open stub</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>串联阻抗</source>
        <translation>Series Z</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>并联阻抗</source>
        <translation>Shunt Z</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>并联短路微带</source>
        <translation>Short stub</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>接入元件</source>
        <translation>Add element</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>元件接入方式</source>
        <translation>Element</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>元件值</source>
        <translation>Value</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>输入可以带单位如10p,20n,10nf</source>
        <translation>The value may carry a unit, e.g. 10p, 20n, 10nf</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+30"/>
        <source>参数输入</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>线宽</source>
        <translatorcomment>Glossary: 线宽 = line width</translatorcomment>
        <translation>W</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>板厚</source>
        <translation>H</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>铜厚</source>
        <translation>T</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>常数</source>
        <translation>εr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>长度</source>
        <translation>Len</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>单位mm</source>
        <translation>in mm</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Zo</source>
        <translation>Zo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>阻抗</source>
        <translation>R</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>电抗</source>
        <translation>X</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>归一化输入</source>
        <translation>Normalised input</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>频率</source>
        <translation>Fo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>通过设置按钮改变频率</source>
        <translation>Change the frequency with the Settings button</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;All</source>
        <translation>&amp;All</translation>
    </message>
    <message>
        <location line="+49"/>
        <location line="+11"/>
        <source>输入错误！</source>
        <translatorcomment>Glossary: 输入错误！ = Input error!</translatorcomment>
        <translation>Input error!</translation>
    </message>
</context>
<context>
    <name>qv::Tfordin</name>
    <message>
        <location filename="../windows/console_window.cpp" line="+35"/>
        <source>命令行输入</source>
        <translatorcomment>Glossary: 命令行输入 = Command console</translatorcomment>
        <translation>Command console</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>?  --帮助 </source>
        <translation>?  --help </translation>
    </message>
</context>
<context>
    <name>qv::Tforg</name>
    <message>
        <location filename="../windows/setup_window.cpp" line="+47"/>
        <source>匹配总是从负载向源方向匹配，所以请先设置</source>
        <translation>Matching setup (from the load toward the source)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>R(实部)</source>
        <translation>R (real part)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>J (虚部)</source>
        <translation>jX (imaginary part)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+19"/>
        <source>负载</source>
        <translatorcomment>Glossary: 负载 = Load</translatorcomment>
        <translation>Load</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+19"/>
        <source>源点</source>
        <translatorcomment>Glossary: 源点 = Source</translatorcomment>
        <translation>Source</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>归一化输入</source>
        <translation>Normalised input</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>标注</source>
        <translation>Label</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>在用数据</source>
        <translation>Values in use</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;All</source>
        <translation>&amp;All</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>模值</source>
        <translation>Magnitude</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>角度</source>
        <translation>Angle</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>对数输入    S参数输入    </source>
        <translation>dB (S-parameters)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>倒换数据</source>
        <translation>Swap rows</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>参数转换</source>
        <translation>Convert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>重新开始</source>
        <translation>Start again</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+160"/>
        <source>L</source>
        <translation>Open</translation>
    </message>
    <message>
        <location line="-159"/>
        <location line="+172"/>
        <source>S</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="-141"/>
        <location line="+17"/>
        <source>输入错误！</source>
        <translatorcomment>Glossary: 输入错误！ = Input error!</translatorcomment>
        <translation>Input error!</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>无法保存para.ini</source>
        <translation>Cannot save para.ini</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>不是参数文件: %1</source>
        <translation>Not a parameter file: %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>S para file  Exists</source>
        <translation>The parameter file exists. Overwrite it?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>参数文件没有保存: %1</source>
        <translation>Parameter file not saved: %1</translation>
    </message>
</context>
<context>
    <name>qv::Tfresp</name>
    <message>
        <location filename="../windows/response_window.cpp" line="+62"/>
        <source>频率响应</source>
        <translatorcomment>Glossary: 频率响应 = Frequency response</translatorcomment>
        <translation>Frequency response</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+137"/>
        <source>起始频率</source>
        <translation>Start frequency</translation>
    </message>
    <message>
        <location line="-136"/>
        <location line="+137"/>
        <source>终止频率</source>
        <translation>Stop frequency</translation>
    </message>
    <message>
        <location line="-136"/>
        <location line="+137"/>
        <source>点数</source>
        <translation>Points</translation>
    </message>
    <message>
        <location line="-136"/>
        <location line="+137"/>
        <source>门限dB</source>
        <translation>Threshold dB</translation>
    </message>
    <message>
        <location line="-133"/>
        <source>负载</source>
        <translatorcomment>Glossary: 负载 = Load</translatorcomment>
        <translation>Load</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>匹配设置的负载（恒定）</source>
        <translation>Load of the matching setup (constant)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>S参数文件的S11（端口1）</source>
        <translation>S11 of an S-parameter file (port 1)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>S参数文件的S22（端口2）</source>
        <translation>S22 of an S-parameter file (port 2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>负载文件...</source>
        <translation>Load file...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>扫描</source>
        <translation>Sweep</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>成品率次数</source>
        <translation>Yield builds</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>按元件模型（parts）的Q和容差装配的次数，最多100000</source>
        <translation>Builds made with the Q and tolerances of the parts model (parts), at most 100000</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>画出分布</source>
        <translation>Draw spread</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>成品率</source>
        <translatorcomment>Glossary: 成品率 = yield</translatorcomment>
        <translation>Yield</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>导出Touchstone...</source>
        <translation>Export Touchstone...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>扫描结果导出为Touchstone文件（.s1p 输入反射，.s2p 匹配网络）</source>
        <translation>Export the sweep as a Touchstone file (.s1p input reflection, .s2p matching network)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>导出图...</source>
        <translation>Export plot...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>频率响应图导出为PNG、SVG、PDF，或数据导出为CSV</source>
        <translation>Export the frequency response plot as PNG, SVG or PDF, or its data as CSV</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>请先用“负载文件...”选择S参数文件</source>
        <translation>Choose an S-parameter file with &quot;Load file...&quot; first</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>负载的S参数文件</source>
        <translation>S-parameter file of the load</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Touchstone (*.s1p *.s2p *.S1P *.S2P);;所有文件 (*)</source>
        <translation>Touchstone (*.s1p *.s2p *.S1P *.S2P);;All files (*)</translation>
    </message>
    <message>
        <location line="+37"/>
        <location line="+81"/>
        <location line="+52"/>
        <source>没有设置负载和源阻抗</source>
        <translation>No load and source impedance set</translation>
    </message>
    <message>
        <location line="-94"/>
        <source>请先扫描</source>
        <translation>Sweep first</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>导出Touchstone</source>
        <translation>Export Touchstone</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Touchstone (*.s1p *.s2p);;所有文件 (*)</source>
        <translation>Touchstone (*.s1p *.s2p);;All files (*)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>导出频率响应图</source>
        <translation>Export the frequency response plot</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PNG (*.png);;SVG (*.svg);;PDF (*.pdf);;CSV (*.csv);;所有文件 (*)</source>
        <translation>PNG (*.png);;SVG (*.svg);;PDF (*.pdf);;CSV (*.csv);;All files (*)</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>成品率计算中...</source>
        <translation>Calculating the yield...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>成品率计算已取消</source>
        <translation>Yield calculation cancelled</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1；%2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>负载：%1</source>
        <translation>Load: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>负载：匹配设置的负载（恒定）</source>
        <translation>Load: load of the matching setup (constant)</translation>
    </message>
</context>
<context>
    <name>qv::Tfsetselect</name>
    <message>
        <location filename="../windows/load_source_popup.cpp" line="+27"/>
        <source>阻抗</source>
        <translation>Resistance</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>电抗</source>
        <translation>Reactance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>设置为负载</source>
        <translation>Set load</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>设置为源点</source>
        <translation>Set source</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>匹配电路已重新开始：去掉了%1个元件（可撤销）</source>
        <translation>Matching network restarted: %1 elements removed (can be undone)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>无法保存para.ini</source>
        <translation>Cannot save para.ini</translation>
    </message>
</context>
</TS>
