<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="zh_CN">
<context>
    <name>qv::TForm1</name>
    <message>
        <location filename="../windows/general_calculator_window.cpp" line="+180"/>
        <location line="+70"/>
        <source>计算</source>
        <translatorcomment>Glossary: 计算 = Calculate (a button; window titles name their window)</translatorcomment>
        <translation>Calculate</translation>
    </message>
    <message>
        <location line="-170"/>
        <location line="+55"/>
        <location line="+32"/>
        <location line="+72"/>
        <source>频点</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <location line="-186"/>
        <source>计算</source>
        <comment>window title</comment>
        <translatorcomment>Glossary: 计算 = Calculate (a button; window titles name their window)</translatorcomment>
        <translation>General calculator</translation>
    </message>
    <message>
        <location line="+29"/>
        <location line="+89"/>
        <source>参考</source>
        <translation>Reference</translation>
    </message>
    <message>
        <location line="-87"/>
        <location line="+89"/>
        <source>R值</source>
        <translation>R</translation>
    </message>
    <message>
        <location line="-87"/>
        <location line="+99"/>
        <source>开始</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="-97"/>
        <location line="+99"/>
        <source>结束</source>
        <translation>End</translation>
    </message>
    <message>
        <location line="-97"/>
        <location line="+104"/>
        <source>每行前的制表符数</source>
        <translation>Tabs before each line</translation>
    </message>
    <message>
        <location line="-102"/>
        <location line="+103"/>
        <source>步长(MHz)</source>
        <translation>Step (MHz)</translation>
    </message>
    <message>
        <location line="-85"/>
        <location line="+37"/>
        <source>标称阻抗</source>
        <translation>Nominal impedance</translation>
    </message>
    <message>
        <location line="-28"/>
        <location line="+30"/>
        <location line="+2"/>
        <source>截止频率</source>
        <translation>Cut-off frequency</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>T型定K式</source>
        <translation>Constant-k T filter</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>电感量L/2</source>
        <translation>Inductance L/2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>电容量C</source>
        <translation>Capacitance C</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>计算LC</source>
        <translation>Calculate LC</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>PE3236-DVB-T频点计算</source>
        <translation>PE3236 DVB-T channel plan</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>M值</source>
        <translation>M</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A值</source>
        <translation>A</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>保存所有频点</source>
        <translation>Save all channels</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>频道号</source>
        <translation>Channel</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>衰减计算</source>
        <translation>Attenuator pad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>输入阻抗</source>
        <translation>Input impedance</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>输出阻抗</source>
        <translation>Output impedance</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>衰减（DB）</source>
        <translation>Attenuation (dB)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>T    型</source>
        <translation>T pad</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>∏   型</source>
        <translation>Π pad</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>桥T型</source>
        <translation>Bridged T</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+4"/>
        <source>波长</source>
        <translation>Wavelength</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>1/%1波长</source>
        <translation>1/%1 wavelength</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>电压单位换算</source>
        <translation>Voltage units</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>ASCII对应</source>
        <translation>ASCII code</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>字符表</source>
        <translation>Character table</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>圆图</source>
        <translatorcomment>Glossary: 圆图 = Smith chart</translatorcomment>
        <translation>Smith chart</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>匹配计算</source>
        <translation>Matching calculation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>微波计算</source>
        <translation>Microwave formulas</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>文件已经存在,覆盖吗？</source>
        <translation>The file exists. Overwrite it?</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+18"/>
        <location line="+6"/>
        <source>文件没有保存: %1</source>
        <translation>The file was not saved: %1</translation>
    </message>
</context>
<context>
    <name>qv::TcalcMirc</name>
    <message>
        <location filename="../windows/microstrip_window.cpp" line="+38"/>
        <source>默认单位为mm，可以输入50m，或50M，表示50Imper(mil) </source>
        <translation>In mm by default; 50m or 50M means 50 mil (imperial)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>单位为mm</source>
        <translation>In mm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hammerstad–Jensen (1980) 静态模型给出特征阻抗和有效常数，Kirschning–Jansen (1982) 给出操作频率下的色散。适用范围：0.1 ≤ W/H ≤ 100，Er ≤ 128，色散约至 60 GHz</source>
        <translation>Hammerstad–Jensen (1980) static model for the characteristic impedance and effective constant, Kirschning–Jansen (1982) for the dispersion at the operating frequency. Valid for 0.1 ≤ W/H ≤ 100, Er ≤ 128, dispersion up to about 60 GHz</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>参数输入错误！！！</source>
        <translation>Parameter input error!!!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>业界通用模型，供核对（网络中的微带元件用左侧的本程序模型）</source>
        <translation>Standard model, for checking (the network uses the left one)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>注意：基板厚度超过0.13波长，色散公式不再适用</source>
        <translation>Note: the substrate is thicker than 0.13 wavelengths; the dispersion formulas no longer apply</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>本程序的闭式公式：网络中的微带元件和&quot;阻抗计算线宽&quot;的线宽都用它</source>
        <translation>This program&apos;s closed-form model: the network&apos;s microstrip elements and the width from &quot;Width from Zo&quot; both use it</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>微带线计算</source>
        <translation>Microstrip calculator</translation>
    </message>
    <message>
        <location line="+39"/>
        <location line="+208"/>
        <location line="+1"/>
        <source>微带线宽</source>
        <translation>Line width</translation>
    </message>
    <message>
        <location line="-208"/>
        <location line="+199"/>
        <location line="+1"/>
        <source>基板厚度</source>
        <translation>Substrate height</translation>
    </message>
    <message>
        <location line="-199"/>
        <location line="+200"/>
        <location line="+1"/>
        <source>铜簿厚度</source>
        <translation>Copper thickness</translation>
    </message>
    <message>
        <location line="-200"/>
        <location line="+201"/>
        <location line="+1"/>
        <source>介电常数</source>
        <translatorcomment>Glossary: 介电常数 = dielectric constant</translatorcomment>
        <translation>Dielectric constant εr</translation>
    </message>
    <message>
        <location line="-201"/>
        <location line="+208"/>
        <source>微带线长</source>
        <translation>Line length</translation>
    </message>
    <message>
        <location line="-207"/>
        <location line="+213"/>
        <location line="+1"/>
        <source>操作频率</source>
        <translation>Operating frequency</translation>
    </message>
    <message>
        <location line="-203"/>
        <source>负载阻抗</source>
        <translation>Load impedance</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+175"/>
        <location line="+1"/>
        <source>特征阻抗</source>
        <translatorcomment>Glossary: 特征阻抗 = Zo</translatorcomment>
        <translation>Zo</translation>
    </message>
    <message>
        <location line="-175"/>
        <source>L  处阻抗</source>
        <translation>Impedance at L</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>虚     部</source>
        <translation>Imaginary part</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>相   速  度</source>
        <translation>Phase velocity</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>有效常数</source>
        <translation>εeff</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>有效波长</source>
        <translation>Effective wavelength</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>相     移</source>
        <translation>Phase shift</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>工作频率</source>
        <translatorcomment>Glossary: 工作频率 = operating frequency (Fo)</translatorcomment>
        <translation>Operating frequency</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>输入阻抗求微带线宽</source>
        <translation>Enter Zo to get the line width</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>最高工作频率</source>
        <translation>Maximum operating frequency</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>特征参数计算</source>
        <translation>Line figures</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+27"/>
        <source>阻抗计算线宽</source>
        <translation>Width from Zo</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>计算</source>
        <translatorcomment>Glossary: 计算 = Calculate (a button; window titles name their window)</translatorcomment>
        <translation>Calculate</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>特征阻抗 (静态)</source>
        <translation>Zo (static)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>有效常数 (静态)</source>
        <translation>εeff (static)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>特征阻抗 (f)</source>
        <translation>Zo (f)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>有效常数 (f)</source>
        <translation>εeff (f)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>有效波长 (f)</source>
        <translation>Effective wavelength (f)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>相移 (f)</source>
        <translation>Phase shift (f)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>L 处阻抗 (f)</source>
        <translation>Impedance at L (f)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>此线宽的Z0 (本程序)</source>
        <translation>Z0 of this width (this program)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>左侧线宽的Z0 (通用)</source>
        <translation>Z0 of the left width (standard)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>带状</source>
        <translation>Strip</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>环型</source>
        <translation>Loop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>螺旋</source>
        <translation>Spiral</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+151"/>
        <source>圈数</source>
        <translation>Turns</translation>
    </message>
    <message>
        <location line="-141"/>
        <location line="+117"/>
        <source>线宽</source>
        <translatorcomment>Glossary: 线宽 = line width</translatorcomment>
        <translation>Line width</translation>
    </message>
    <message>
        <location line="-116"/>
        <location line="+114"/>
        <source>铜厚</source>
        <translation>Copper thickness</translation>
    </message>
    <message>
        <location line="-113"/>
        <location line="+114"/>
        <source>板厚</source>
        <translation>Substrate height</translation>
    </message>
    <message>
        <location line="-106"/>
        <source>计算电感</source>
        <translation>Calculate inductance</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1输入错误！</source>
        <translation>Input error: %1</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>负载阻抗实部</source>
        <translation>Load impedance real part</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>负载阻抗虚部</source>
        <translation>Load impedance imaginary part</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>铜箔厚度错误.</source>
        <translation>Wrong copper thickness.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>带状电感长度 l</source>
        <translation>Strip inductor length l</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>环型电感尺寸 a</source>
        <translation>Loop inductor size a</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>螺旋电感外径 do</source>
        <translation>Spiral outer diameter do</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>螺旋电感内径 di</source>
        <translation>Spiral inner diameter di</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>螺旋电感的外径不能小于内径！</source>
        <translation>The outer diameter of a spiral cannot be less than its inner diameter!</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>线宽:%1mil</source>
        <translation>Line width:%1mil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>线宽:%1mm</source>
        <translation>Line width:%1mm</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>超出 0.1 ≤ W/H ≤ 100</source>
        <translation>Outside 0.1 ≤ W/H ≤ 100</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Kg:%1 (应&gt;0.05)</source>
        <translation>Kg:%1 (should be &gt;0.05)</translation>
    </message>
</context>
<context>
    <name>qv::TfrmMirco1</name>
    <message>
        <location filename="../windows/microwave_formula_window.cpp" line="+48"/>
        <source>计算</source>
        <translatorcomment>Glossary: 计算 = Calculate (a button; window titles name their window)</translatorcomment>
        <translation>Calculate</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>微波公式</source>
        <translation>Microwave formulas</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>自由空间的损耗=32.45+20lgd(km)+20lgf(Mhz)-Gt-Gr</source>
        <translation>Free-space loss=32.45+20lgd(km)+20lgf(Mhz)-Gt-Gr</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>频率(Mhz)</source>
        <translation>Frequency (MHz)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>距离(Km)</source>
        <translation>Distance (km)</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+1"/>
        <source>－</source>
        <translation>-</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>发射Gt(dB)</source>
        <translation>Transmit Gt (dB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>接收Gr(dB)</source>
        <translation>Receive Gr (dB)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>最大传输距离Km=4.12x(√发射天线高度＋√接收天线高度)</source>
        <translation>Maximum range km=4.12x(√transmit antenna height+√receive antenna height)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>＋</source>
        <translation>+</translation>
    </message>
</context>
</TS>
