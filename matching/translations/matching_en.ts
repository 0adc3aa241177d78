<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="zh_CN">
<context>
    <name>NetworkDialogs</name>
    <message>
        <location filename="../windows/network_dialogs.cpp" line="+72"/>
        <source>%1文件存在是否覆盖 </source>
        <translation>%1 exists. Overwrite it?</translation>
    </message>
</context>
<context>
    <name>qv::AmplifierStageWindow</name>
    <message>
        <location filename="../windows/amplifier_stage_window.cpp" line="+60"/>
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
        <location filename="../windows/auto_match_window.cpp" line="+30"/>
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
        <translation>εr</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>自动匹配</source>
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
        <translation>Single stub</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+29"/>
        <location line="+65"/>
        <source>有载Q</source>
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
        <translation>Short stub</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>计算</source>
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
        <translation>Capacitance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>电感</source>
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
        <translation>Input error!</translation>
    </message>
</context>
<context>
    <name>qv::Tflcop</name>
    <message>
        <location filename="../windows/insertion_window.cpp" line="+30"/>
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
        <translation>Input error!</translation>
    </message>
</context>
<context>
    <name>qv::Tfordin</name>
    <message>
        <location filename="../windows/console_window.cpp" line="+35"/>
        <source>命令行输入</source>
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
        <translation>Load</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+19"/>
        <source>源点</source>
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
        <location filename="../windows/response_window.cpp" line="+61"/>
        <source>频率响应</source>
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
        <location line="+80"/>
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
