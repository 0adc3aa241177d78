<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="zh_CN">
<context>
    <name>SParameterFileDialog</name>
    <message>
        <location filename="../windows/sparameter_file_dialog.cpp" line="+20"/>
        <source>打开文件</source>
        <translation>Open file</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>文件太大，不是S参数文件：%1</source>
        <translation>The file is too large to be an S-parameter file: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>无法读取文件 %1</source>
        <translation>Cannot read the file %1</translation>
    </message>
</context>
<context>
    <name>SParameterFileText</name>
    <message>
        <location filename="../model/sparameter_file_texts.cpp" line="+17"/>
        <source>频率MHz</source>
        <translation>Frequency MHz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>频率</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>文件超过%1 MiB，不是S参数文件</source>
        <translation>The file is larger than %1 MiB: it is not an S-parameter file</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>文件超过%1行，不是S参数文件</source>
        <translation>The file has more than %1 lines: it is not an S-parameter file</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>第%1行：缺少%2的数值</source>
        <translation>Line %1: the value of %2 is missing</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>第%1行：&apos;%2&apos; is not a valid floating point value</source>
        <translation>Line %1: &apos;%2&apos; is not a valid floating point value</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>第%1行：&apos;%2&apos; 超出数值范围</source>
        <translation>Line %1: &apos;%2&apos; is out of range</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>注意：文件中没有数据行</source>
        <translation>Note: the file has no data lines</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>注意：文件中是%1参数，表中按S参数显示</source>
        <translation>Note: the file holds %1-parameters; the table shows them as S-parameters</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>注意：文件的参考阻抗为%1欧，不是Zo=%2欧；表中数值没有换算到Zo（图上的点已换算）</source>
        <translation>Note: the file&apos;s reference impedance is %1 ohm, not Zo=%2 ohm; the table&apos;s values are not converted to Zo (the points on the chart are)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>无法读取文件 %1</source>
        <translation>Cannot read the file %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>文件太大，不是S参数文件：%1</source>
        <translation>The file is too large to be an S-parameter file: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>文件中有不完整的两端口数据行：%1</source>
        <translation>The file has an incomplete two-port data row: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>文件中的频率没有逐行增大：%1</source>
        <translation>The file&apos;s frequencies do not rise from row to row: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>文件中没有两端口数据</source>
        <translation>The file holds no two-port data</translation>
    </message>
</context>
<context>
    <name>qv::TFspopt</name>
    <message>
        <location filename="../windows/sparams_table_window.cpp" line="+39"/>
        <source>S参数表</source>
        <translatorcomment>Glossary: S参数表 = S-parameter table</translatorcomment>
        <translation>S-parameter table</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>显示间隔%1</source>
        <translation>Label every %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>图上显示</source>
        <translation>Show on chart</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>打开文件</source>
        <translation>Open file</translation>
    </message>
</context>
<context>
    <name>qv::Tffscalc</name>
    <message>
        <location filename="../windows/two_port_window.cpp" line="+109"/>
        <source>计算</source>
        <translatorcomment>Glossary: 计算 = Calculate (a button; window titles name their window)</translatorcomment>
        <translation>Calculate</translation>
    </message>
    <message>
        <location line="-32"/>
        <source>复数计算</source>
        <translation>Complex arithmetic</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>计算</source>
        <comment>window title</comment>
        <translatorcomment>Glossary: 计算 = Calculate (a button; window titles name their window)</translatorcomment>
        <translation>Two-port calculator</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>输入实部</source>
        <translation>Real part</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>输入虚部</source>
        <translation>Imaginary part</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>中间值</source>
        <translation>Intermediate</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>计算结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>S参数转换为Z参数</source>
        <translation>S-parameters to Z-parameters</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>实部/模值</source>
        <translation>Real/Magnitude</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>虚部/角度</source>
        <translation>Imaginary/Angle</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>极坐标输入</source>
        <translation>Polar input</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>对数输入</source>
        <translation>Input in dB</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>文件输入</source>
        <translation>From file</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>|d|=|s11*s22-s12*s21|  当d&lt;1  k&gt;1 是稳定的</source>
        <translation>|d|=|s11*s22-s12*s21|; stable when d&lt;1 and k&gt;1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rollett(K) 系数 当他大于1是稳定的</source>
        <translation>Rollett stability factor K: stable above 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>最大增益：</source>
        <translation>Maximum gain:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>稳定程度</source>
        <translation>Stability measure</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>源匹配增益db</source>
        <translation>Source match gain dB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>正向传输增益db</source>
        <translation>Forward gain dB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>负载匹配增益db</source>
        <translation>Load match gain dB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>最大匹配增益</source>
        <translation>Maximum matched gain</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>K&gt;1 且 ⊿&lt;1 时为最大可用增益 MAG(db)，否则为最大稳定增益 MSG=|S21|/|S12|(db)</source>
        <translation>Maximum available gain MAG(db) when K&gt;1 and ⊿&lt;1, else maximum stable gain MSG=|S21|/|S12|(db)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>源端稳定程度 u&apos;=(1-|S22|²)/(|S11-d*S22&apos;|+|S12*S21|)</source>
        <translation>Source-side stability measure u&apos;=(1-|S22|²)/(|S11-d*S22&apos;|+|S12*S21|)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>输出稳定圆</source>
        <translation>Output stability circle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>输出稳定圆心</source>
        <translation>Output stability circle centre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>输出稳定圆心角度</source>
        <translation>Output stability circle centre angle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>输入稳定圆</source>
        <translation>Input stability circle</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>X2为0，不能作除数</source>
        <translation>X2 is 0: it cannot be a divisor</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>X1 + X2 为0，并联阻抗为无穷大</source>
        <translation>X1 + X2 is 0: the parallel impedance is infinite</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>不是参数文件: %1</source>
        <translation>Not a parameter file: %1</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>参数文件没有保存: %1</source>
        <translation>The parameter file was not saved: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>放大器设计</source>
        <translation>Amplifier design</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>同时共轭匹配时源端反射系数 Γms</source>
        <translation>Source reflection of the simultaneous conjugate match, Γms</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Γms 对应的阻抗（欧）</source>
        <translation>Impedance of Γms (ohms)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>同时共轭匹配时负载端反射系数 Γml</source>
        <translation>Load reflection of the simultaneous conjugate match, Γml</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Γml 对应的阻抗（欧）</source>
        <translation>Impedance of Γml (ohms)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>使用此频率</source>
        <translation>Use this frequency</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>输入匹配</source>
        <translation>Input match</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>噪声匹配</source>
        <translation>Noise match</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>输出匹配</source>
        <translation>Output match</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>增益（dB）</source>
        <translation>Gain (dB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ga圆</source>
        <translation>Ga circle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gp圆</source>
        <translation>Gp circle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>噪声系数（dB）</source>
        <translation>Noise figure (dB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NF圆</source>
        <translation>NF circle</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>无条件稳定（K&gt;1 且 |⊿|&lt;1）：可同时共轭匹配</source>
        <translation>Unconditionally stable (K&gt;1 and |Δ|&lt;1): simultaneous conjugate match exists</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>潜在不稳定（K&lt;=1 或 |⊿|&gt;=1）：没有同时共轭匹配，稳定圆的不稳定一侧不能作源或负载</source>
        <translation>Potentially unstable (K&lt;=1 or |Δ|&gt;=1): no simultaneous conjugate match; the unstable side of each stability circle cannot be a source or load</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+37"/>
        <location line="+34"/>
        <source>没有噪声参数</source>
        <translation>No noise parameters</translation>
    </message>
    <message>
        <location line="-50"/>
        <source>器件不是无条件稳定（K&lt;=1 或 |⊿|&gt;=1），没有同时共轭匹配</source>
        <translation>The device is not unconditionally stable (K&lt;=1 or |Δ|&gt;=1): no simultaneous conjugate match</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>噪声系数低于最小噪声系数NFmin</source>
        <translation>The noise figure is below NFmin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>没有反射系数能得到这个增益（高于最大增益）</source>
        <translation>No reflection gives this gain (above the maximum gain)</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>频率:%1</source>
        <translation>Frequency:%1</translation>
    </message>
</context>
<context>
    <name>qv::Tfsinput</name>
    <message>
        <location filename="../windows/file_input_window.cpp" line="+66"/>
        <source>S参数文件输入</source>
        <translation>S-parameter file input</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>打开文件</source>
        <translation>Open file</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>无法保存文件 %1</source>
        <translation>Cannot save the file %1</translation>
    </message>
</context>
</TS>
